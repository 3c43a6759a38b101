#pragma once

#include <array>

// The languages the program explains in: the introduction's pages and the
// practice window's captions.
enum class InfoLanguage { English, Hindi, Bengali };

inline constexpr std::array<InfoLanguage, 3> AllInfoLanguages{InfoLanguage::English, InfoLanguage::Hindi,
                                                              InfoLanguage::Bengali};
