#pragma once

#include "base/InfoLanguage.h"
#include "keying/Composer.h"

#include <QDialog>

#include <array>
#include <vector>
#include <optional>

class AlphabetChart;
class Announcer;
class Platform;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class ScriptLine;
struct PracticeCaptions;

// The keying practice: the learner types keys and sees the script text form
// key by key, as the introduction's pages describe it, in the chosen script
// and, below it, in all four scripts at once, the chosen one first. Beside
// them the script's alphabet (AlphabetChart), whose cells type their keys
// into the field. The script can be switched in the window; its few
// captions are in the information language (practiceCaptions()).
//
// The keying engine (Keying::Composer) follows the keys as they are typed;
// an edit anywhere but at the end composes them afresh. Only what changed
// of the text is written into its view, so that a long text keeps up with
// every key. A screen reader hears the keys as they are typed, and after
// each change the word just typed in the script (Announcer).
class KeyingPractice final : public QDialog
{
    Q_OBJECT

public:
    KeyingPractice(Platform &platform, InfoLanguage language, LegacyFont script, QWidget *parent);
    ~KeyingPractice() override;
    Q_DISABLE_COPY_MOVE(KeyingPractice)

    // Places the window at the centre of the screen.
    void load();

private:
    void buildTyping(QLayout &layout);
    void chooseScript(LegacyFont script);
    void keysChanged();
    void showText(const QString &text);
    void orderAllScripts();
    void showInAllScripts();
    void typeKeys(const QString &keys);
    void announceWord();
    QFont scriptFont(LegacyFont script, double points) const;

    Platform &platform_;
    const PracticeCaptions &captions_;
    LegacyFont script_;

    std::array<QRadioButton *, 4> scriptButtons_{};
    QPlainTextEdit *keysField_ = nullptr;
    QLabel *textLabel_ = nullptr;
    QPlainTextEdit *textView_ = nullptr;
    // The same keys in all four scripts, the chosen one first: each a name
    // and the text.
    std::array<QLabel *, 4> otherNames_{};
    std::array<ScriptLine *, 4> otherTexts_{};
    std::vector<LegacyFont> allScriptsOrder_;
    QLabel *inputMethodNote_ = nullptr; // where the desktop runs m17n's input methods
    AlphabetChart *chart_ = nullptr;
    QScrollArea *chartArea_ = nullptr;
    QPushButton *closeButton_ = nullptr;

    std::optional<Keying::Composer> composer_;
    QString composedKeys_; // the keys the composer has followed
    QString shownText_;    // what the text view shows
    Announcer *announcer_ = nullptr;
};
