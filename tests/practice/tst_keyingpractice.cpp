#include "keying/Composer.h"
#include "practice/KeyingPractice.h"
#include "practice/LetterCell.h"
#include "practice/PracticeCaptions.h"
#include "practice/ScriptLine.h"
#include "support/FakePlatform.h"
#include "support/KeyStrings.h"
#include "support/ScreenReader.h"
#include "support/ScriptBlocks.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>


using namespace Qt::StringLiterals;

namespace {

// A practice window on a fake platform, shown and active.
class Practice
{
public:
    explicit Practice(LegacyFont script = LegacyFont::Devanagari, InfoLanguage language = InfoLanguage::English)
        : window(platform, language, script, nullptr)
    {
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QPlainTextEdit &keys() const { return *window.findChild<QPlainTextEdit *>(u"keysField"_s); }
    QPlainTextEdit &text() const { return *window.findChild<QPlainTextEdit *>(u"textView"_s); }
    QString shown() const { return text().toPlainText(); }
    QRadioButton &scriptButton(LegacyFont script) const
    {
        return *window.findChild<QRadioButton *>(u"scriptButton"_s + QString::number(int(script)));
    }
    ScriptLine &allScriptsText(int row) const
    {
        return *window.findChild<ScriptLine *>(u"allScriptsText"_s + QString::number(row));
    }
    // The chart's cell whose letter is `letter`.
    LetterCell *cell(const QString &letter) const
    {
        for (LetterCell *cell : window.findChildren<LetterCell *>())
            if (cell->letter() == letter && cell->isVisible())
                return cell;
        return nullptr;
    }

    FakePlatform platform;
    KeyingPractice window;
};

// Each key as a key press; a letter of another script as a press that
// carries its text, as an input method sends it.
void typeKeys(QWidget &field, const QString &keys)
{
    for (const QString &key : keysIn(keys)) {
        if (key == u"\n"_s)
            QTest::keyClick(&field, Qt::Key_Return);
        else if (key.front().unicode() < 128)
            QTest::keyClicks(&field, key);
        else
            QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

} // namespace

// The keying practice: keys typed or pasted into its field, the script text
// they give in one script and in all four, and the alphabet that types keys.
class KeyingPracticeTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldShowTheTextAsItForms()
    {
        Practice practice;
        QVERIFY(practice.keys().hasFocus());
        QTest::keyClicks(&practice.keys(), u"aak"_s);
        QCOMPARE(practice.shown(), u"आक्"_s);
        QTest::keyClick(&practice.keys(), Qt::Key_Return);
        QTest::keyClicks(&practice.keys(), u"rshlii"_s);
        QCOMPARE(practice.shown(), u"आक\nर्श्ली"_s);
    }

    // Whatever the keys, typed one at a time they show what the same keys
    // show when pasted at once, and what the engine makes of them.
    void shouldShowTheSameTypedKeyByKeyAsPasted()
    {
        Practice typed(LegacyFont::Gurumukhi);
        Practice pasted(LegacyFont::Gurumukhi);
        for (const QString &keys : randomKeyStrings(LegacyFont::Gurumukhi, 60)) {
            typed.keys().clear();
            typeKeys(typed.keys(), keys);
            pasted.keys().clear();
            pasted.keys().insertPlainText(keys);
            QCOMPARE(typed.keys().toPlainText(), keys);
            QCOMPARE(typed.shown(), pasted.shown());
            QCOMPARE(pasted.shown(), Keying::compose(LegacyFont::Gurumukhi, keys));
        }
    }

    // An edit anywhere in the keys, not only at their end, shows its text.
    void shouldFollowEditsAnywhere()
    {
        Practice practice(LegacyFont::Bengali);
        QTest::keyClicks(&practice.keys(), u"kaa baaMlaa"_s);
        QTextCursor cursor = practice.keys().textCursor();
        const auto check = [&] {
            QCOMPARE(practice.shown(), Keying::compose(LegacyFont::Bengali, practice.keys().toPlainText()));
        };
        cursor.setPosition(0);
        practice.keys().setTextCursor(cursor);
        QTest::keyClicks(&practice.keys(), u"r"_s); // rkaa: a conjunct at the start
        check();
        QTest::keyClick(&practice.keys(), Qt::Key_Delete);
        check();
        cursor.movePosition(QTextCursor::End);
        practice.keys().setTextCursor(cursor);
        QTest::keyClick(&practice.keys(), Qt::Key_Backspace);
        QTest::keyClick(&practice.keys(), Qt::Key_Backspace); // baaMl: the consonant shows its virama again
        check();
        QVERIFY(practice.shown().endsWith(u"ল্"_s));
        practice.keys().selectAll();
        QTest::keyClick(&practice.keys(), Qt::Key_Backspace);
        QCOMPARE(practice.shown(), QString());
    }

    void shouldShowALongPaste()
    {
        Practice practice;
        const QStringList words = randomKeyStrings(LegacyFont::Devanagari, 12000, 12);
        QString keys = words.join(u' ');
        keys.truncate(100000);
        practice.keys().insertPlainText(keys);
        QCOMPARE(practice.shown(), Keying::compose(LegacyFont::Devanagari, keys));
        QTest::keyClicks(&practice.keys(), u"kaa"_s);
        QCOMPARE(practice.shown(), Keying::compose(LegacyFont::Devanagari, keys + u"kaa"_s));
    }

    void shouldShowTheKeysInAllFourScriptsTheChosenFirst()
    {
        Practice practice(LegacyFont::Gujarati);
        typeKeys(practice.keys(), u"a line before\nrshlii kaa"_s);
        const QList<LegacyFont> order{LegacyFont::Gujarati, LegacyFont::Devanagari, LegacyFont::Bengali,
                                      LegacyFont::Gurumukhi};
        for (int row = 0; row < order.size(); ++row) {
            const QString text = Keying::compose(order[row], u"rshlii kaa"_s);
            QCOMPARE(practice.allScriptsText(row).text(), text);
            QCOMPARE(practice.allScriptsText(row).spokenText(),
                     practiceCaptions(InfoLanguage::English).scriptNames[std::size_t(order[row])] + u": "_s + text);
        }
    }

    void shouldSwitchTheScript()
    {
        Practice practice;
        QTest::keyClicks(&practice.keys(), u"kaa"_s);
        QTest::mouseClick(&practice.scriptButton(LegacyFont::Bengali), Qt::LeftButton);
        QCOMPARE(practice.shown(), u"কা"_s);
        QCOMPARE(practice.allScriptsText(0).text(), u"কা"_s);
        QVERIFY(practice.cell(u"অ"_s));
        QVERIFY(!practice.cell(u"अ"_s));
        QTest::keyClicks(&practice.keys(), u"k"_s);
        QCOMPARE(practice.shown(), u"কাক্"_s);
    }

    // A cell types its keys on a click, on Space and on Return, and leaves
    // the focus where it is, to go on picking.
    void shouldTypeACellsKeys()
    {
        Practice practice;
        LetterCell *kha = practice.cell(u"ख"_s);
        QVERIFY(kha);
        QTest::mouseClick(kha, Qt::LeftButton);
        QCOMPARE(practice.keys().toPlainText(), u"kh"_s);
        LetterCell *aa = practice.cell(u"आ◌ा"_s);
        QVERIFY(aa);
        aa->setFocus();
        QTest::keyClick(aa, Qt::Key_Space);
        QTest::keyClick(aa, Qt::Key_Return);
        QTRY_COMPARE(practice.keys().toPlainText(), u"khaaaa"_s);
        QCOMPARE(practice.shown(), u"खाआ"_s);
        QVERIFY(aa->hasFocus());
    }

    // A consonant picked in the chart shows with every vowel.
    void shouldPairThePickedConsonantWithEveryVowel()
    {
        Practice practice(LegacyFont::Gurumukhi);
        QVERIFY(practice.cell(u"ਕਾ"_s));
        QTest::mouseClick(practice.cell(u"ਖ"_s), Qt::LeftButton);
        QVERIFY(!practice.cell(u"ਕਾ"_s));
        LetterCell *khii = practice.cell(u"ਖੀ"_s);
        QVERIFY(khii);
        QTest::mouseClick(khii, Qt::LeftButton);
        QCOMPARE(practice.shown(), u"ਖਖੀ"_s.replace(u"ਖਖ"_s, u"ਖ੍ਖ"_s));
    }

    // The chart is one stop of the Tab key, and the arrows move within it.
    void shouldMoveThroughTheChartWithTheArrowKeys()
    {
        Practice practice;
        QWidget *at = &practice.keys();
        int steps = 0;
        while (!qobject_cast<LetterCell *>(at) && steps++ < 20) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
        }
        auto *first = qobject_cast<LetterCell *>(at);
        QVERIFY(first);
        QCOMPARE(first->letter(), u"अ"_s);
        QTest::keyClick(first, Qt::Key_Right);
        QCOMPARE(static_cast<LetterCell *>(QApplication::focusWidget())->letter(), u"आ◌ा"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(static_cast<LetterCell *>(QApplication::focusWidget())->letter(), u"ऌ◌ॢ"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(static_cast<LetterCell *>(QApplication::focusWidget())->letter(), u"ख"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QCOMPARE(static_cast<LetterCell *>(QApplication::focusWidget())->letter(), u"॥"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!qobject_cast<LetterCell *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(static_cast<LetterCell *>(QApplication::focusWidget())->letter(), u"॥"_s);
    }

    // A listener hears each cell as its letter and its keys, and after each
    // change the word just typed, wherever the focus is.
    void shouldTellAListenerTheWordJustTyped()
    {
        const ScreenReader screenReader;
        QVERIFY(screenReader.working());
        Practice practice;
        QCOMPARE(practice.cell(u"ख"_s)->accessibleName(), u"ख: k h"_s);
        QCOMPARE(practice.cell(u"◌ं"_s)->accessibleName(), u"ं: M"_s);
        QCOMPARE(practice.cell(u"आ◌ा"_s)->accessibleName(), u"आ, ा: a a"_s);

        static QStringList heard;
        heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() != QAccessible::ObjectShow)
                return;
            QAccessibleInterface *shown = event->accessibleInterface();
            if (shown && shown->role() == QAccessible::Notification)
                heard.append(shown->text(QAccessible::Name));
        });
        QTest::keyClicks(&practice.keys(), u"kaa r"_s);
        LetterCell *aa = practice.cell(u"आ◌ा"_s);
        aa->setFocus();
        QTest::keyClick(aa, Qt::Key_Space);
        QTest::keyClicks(&practice.keys(), u" "_s);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard, (QStringList{u"क्"_s, u"क"_s, u"का"_s, u"का"_s, u"र्"_s, u"रा"_s, u"रा"_s}));
    }

    // Tab goes from the text to the chart, one stop, and on to Close, also
    // once the chart is drawn anew.
    void shouldTabThroughTheWindowInReadingOrder()
    {
        Practice practice;
        QTest::mouseClick(&practice.scriptButton(LegacyFont::Gujarati), Qt::LeftButton);
        QTest::mouseClick(practice.cell(u"ખ"_s), Qt::LeftButton);
        QTest::mouseClick(&practice.scriptButton(LegacyFont::Devanagari), Qt::LeftButton);
        practice.keys().setFocus();
        QStringList order;
        QWidget *at = &practice.keys();
        for (int step = 0; step < 5; ++step) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            const auto *cell = qobject_cast<LetterCell *>(at);
            order.append(cell ? u"cell "_s + cell->letter() : at->objectName());
        }
        QCOMPARE(order, (QStringList{u"textView"_s, u"cell अ"_s, u"closeButton"_s, u"scriptButton0"_s, u"keysField"_s}));
    }

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Where the desktop runs m17n's input methods, the window names the one
    // of the script shown, as IBus and Fcitx 5 list it.
    void shouldNameTheScriptsInputMethod()
    {
        Practice practice(LegacyFont::Gujarati);
        const auto *note = practice.window.findChild<QLabel *>(u"inputMethodNote"_s);
        QVERIFY(note);
        QVERIFY(note->text().contains(u"\u201cgu-korvani (m17n)\u201d"_s));
        QVERIFY(note->text().contains(u"\u201ckorvani (M17N)\u201d"_s));
        QTest::mouseClick(&practice.scriptButton(LegacyFont::Gurumukhi), Qt::LeftButton);
        QVERIFY(note->text().contains(u"\u201cpa-korvani (m17n)\u201d"_s));
    }
#endif

    // Hindi and Bengali captions say nothing in English but their access keys.
    void shouldSpeakTheInformationLanguage_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::newRow("Hindi") << InfoLanguage::Hindi;
        QTest::newRow("Bengali") << InfoLanguage::Bengali;
    }

    void shouldSpeakTheInformationLanguage()
    {
        QFETCH(InfoLanguage, language);
        Practice practice(LegacyFont::Devanagari, language);
        const QRegularExpression latin(u"[A-Za-z]"_s);
        // Access keys, and the names by which the desktop lists the input
        // methods, stay Latin.
        const QRegularExpression accessKey(u" \\(&[A-Z]\\)|\u201c[^\u201d]*\u201d|IBus|Fcitx 5"_s);
        int captions = 0;
        for (const QLabel *label : practice.window.findChildren<QLabel *>())
            if (!label->objectName().startsWith(u"allScriptsText"_s) && !label->text().isEmpty()) {
                QVERIFY2(!QString(label->text()).remove(accessKey).remove(u"<b>"_s).remove(u"</b>"_s).contains(latin),
                         qPrintable(label->text()));
                ++captions;
            }
        for (const QAbstractButton *button : practice.window.findChildren<QAbstractButton *>())
            if (!qobject_cast<const LetterCell *>(button)) {
                QVERIFY2(!QString(button->text()).remove(accessKey).contains(latin), qPrintable(button->text()));
                ++captions;
            }
        QVERIFY(captions >= 10);
        QCOMPARE(practice.window.windowTitle(), u"Keying Practice"_s);
    }
};

QTEST_MAIN(KeyingPracticeTest)
#include "tst_keyingpractice.moc"
