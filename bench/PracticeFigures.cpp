#include "PracticeFigures.h"

#include "keying/Composer.h"
#include "practice/KeyingPractice.h"
#include "practice/ScriptLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Words of the pages and of everyday writing, typed again and again.
const QString Words = u"kaa rshlii aakaa eekee ddva pakkaa hiMdii baaMlaa gujaraatii paMjaabii namaste| "_s;

// The words again and again, a Return after every `line` keys or so.
QString keysOfLength(qsizetype length, qsizetype line = 0)
{
    QString keys;
    qsizetype lineStart = 0;
    while (keys.size() < length) {
        keys += Words;
        if (line > 0 && keys.size() - lineStart >= line) {
            keys += u'\n';
            lineStart = keys.size();
        }
    }
    keys.truncate(length);
    return keys;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values.empty() ? 0 : values[values.size() / 2];
}

// A key and everything it changes painted.
Q_NEVER_INLINE double typeKey(QPlainTextEdit &field, QChar key)
{
    QElapsedTimer clock;
    clock.start();
    QTest::keyClicks(&field, QString(key));
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1000.0;
}

std::vector<double> typeKeys(QPlainTextEdit &field, const QString &keys)
{
    std::vector<double> times;
    for (const QChar key : keys)
        times.push_back(typeKey(field, key));
    return times;
}

// What the window shows against what the engine makes of its keys.
bool showsItsKeys(const KeyingPractice &window, const QString &when)
{
    const auto *field = window.findChild<QPlainTextEdit *>(u"keysField"_s);
    const auto *text = window.findChild<QPlainTextEdit *>(u"textView"_s);
    const auto *allScripts = window.findChild<ScriptLine *>(u"allScriptsText0"_s);
    if (!field || !text || !allScripts) {
        std::printf("the practice window lacks its keys field, its text or its four scripts\n");
        return false;
    }
    const QString keys = field->toPlainText();
    const QString expected = Keying::compose(LegacyFont::Devanagari, keys);
    if (text->toPlainText() != expected) {
        std::printf("the practice window, %s, shows %lld characters for %lld keys, not the %lld the engine gives\n",
                    qPrintable(when), qlonglong(text->toPlainText().size()), qlonglong(keys.size()),
                    qlonglong(expected.size()));
        return false;
    }
    const QString lastWord = Keying::compose(LegacyFont::Devanagari, keys.trimmed().section(u' ', -1)).trimmed();
    if (!allScripts->text().trimmed().endsWith(lastWord)) {
        std::printf("the practice window, %s, does not show the last words in the four scripts\n", qPrintable(when));
        return false;
    }
    return true;
}

} // namespace

std::optional<PracticeFigures> measurePractice(Platform &platform, int keys)
{
    KeyingPractice window(platform, InfoLanguage::English, LegacyFont::Devanagari, nullptr);
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return std::nullopt;
    auto *field = window.findChild<QPlainTextEdit *>(u"keysField"_s);
    if (!field)
        return std::nullopt;
    field->setFocus();

    // First the window must show what the keys give.
    QTest::keyClicks(field, u"rshlii "_s);
    if (!showsItsKeys(window, u"after a word typed"_s))
        return std::nullopt;
    field->clear();
    QCoreApplication::processEvents();

    PracticeFigures figures;
    figures.keyMicros = median(typeKeys(*field, keysOfLength(keys)));
    if (!showsItsKeys(window, u"after the keys typed"_s))
        return std::nullopt;

    // A paste, then keys typed at its end.
    const auto paste = [&](const QString &pasted, double &pasteMillis, double &keyMicros) {
        field->clear();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        field->insertPlainText(pasted);
        QCoreApplication::processEvents();
        pasteMillis = double(clock.nsecsElapsed()) / 1e6;
        if (!showsItsKeys(window, u"after the paste"_s))
            return false;
        keyMicros = median(typeKeys(*field, keysOfLength(keys)));
        return showsItsKeys(window, u"after the keys typed after the paste"_s);
    };
    if (!paste(keysOfLength(PastedKeys), figures.pasteMillis, figures.keyAfterPasteMicros)
        || !paste(keysOfLength(PastedKeys, 100), figures.linesPasteMillis, figures.keyAfterLinesMicros))
        return std::nullopt;
    return figures;
}
