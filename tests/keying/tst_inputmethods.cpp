#include "keying/Composer.h"
#include "keying/InputMethods.h"
#include "keying/KeyMap.h"
#include "support/KeyStrings.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <m17n-misc.h>
#include <m17n.h>

using namespace Qt::StringLiterals;
using Keying::Composer;
using Keying::compose;
using Keying::inputMethod;

namespace {

QString textOf(MText *text)
{
    QString out;
    for (int i = 0; i < mtext_len(text); ++i) {
        const char32_t c = char32_t(mtext_ref_char(text, i));
        out.append(QString::fromUcs4(&c, 1));
    }
    return out;
}

// A program with an m17n method switched on, driven as IBus drives it: each
// key goes to the method first; what the method commits is inserted, and a
// key that it does not handle reaches the program, which inserts it.
class Typist
{
public:
    explicit Typist(MInputMethod *method)
        : context_(minput_create_ic(method, nullptr))
    {
    }
    ~Typist() { minput_destroy_ic(context_); }
    Q_DISABLE_COPY_MOVE(Typist)

    void type(const QString &key)
    {
        const MSymbol symbol = msymbol(key == u"\n"_s ? "Return" : key.toUtf8().constData());
        if (minput_filter(context_, symbol, nullptr))
            return;
        MText *produced = mtext();
        const bool unhandled = minput_lookup(context_, symbol, nullptr, produced) < 0;
        inserted_ += textOf(produced);
        m17n_object_unref(produced);
        if (unhandled)
            inserted_ += key;
    }

    // What the learner sees: the text inserted, then the syllable still
    // being typed.
    QString shown() const { return inserted_ + textOf(context_->preedit); }

private:
    MInputContext *context_;
    QString inserted_;
};

QString scriptName(LegacyFont script)
{
    const QString names[]{u"Devanagari"_s, u"Bengali"_s, u"Gujarati"_s, u"Gurumukhi"_s};
    return names[std::size_t(script)];
}

QString shownKeys(QString keys)
{
    return keys.replace(u'\n', u"[Return]"_s);
}

} // namespace

// The desktop input methods written from the keying table, loaded by libm17n
// from this build and typed on as IBus and Fcitx 5 do: they give what the
// program's engine gives, key by key.
class InputMethodsTest final : public QObject
{
    Q_OBJECT

private:
    std::array<MInputMethod *, 4> methods_{};

    MInputMethod *methodOf(LegacyFont script) const { return methods_[std::size_t(script)]; }

    QString typed(LegacyFont script, const QString &keys) const
    {
        Typist typist(methodOf(script));
        for (const QString &key : keysIn(keys))
            typist.type(key);
        return typist.shown();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The methods this build wrote, not any installed copy: m17n reads
        // the folder that M17NDIR names before its system database.
        const QDir built(QStringLiteral(KINTROA_M17N_DIR));
        for (const LegacyFont script : AllLegacyFonts)
            QVERIFY2(built.exists(inputMethod(script).fileName()),
                     qPrintable(u"the build wrote no "_s + built.filePath(inputMethod(script).fileName())));
        qputenv("M17NDIR", QFile::encodeName(built.path()));
        M17N_INIT();
        QVERIFY2(merror_code == MERROR_NONE, "libm17n did not start");
        for (const LegacyFont script : AllLegacyFonts) {
            const Keying::InputMethod method = inputMethod(script);
            methods_[std::size_t(script)] = minput_open_im(msymbol(method.language.toLatin1().constData()),
                                                           msymbol(method.name.toLatin1().constData()), nullptr);
            QVERIFY2(methodOf(script), qPrintable(u"libm17n cannot load "_s + method.fileName()));
        }
    }

    void cleanupTestCase()
    {
        for (MInputMethod *method : methods_)
            if (method)
                minput_close_im(method);
        M17N_FINI();
    }

    // What IBus and Fcitx list: the method under its language, with the
    // title that the program names it by.
    void shouldBeListedUnderItsLanguage()
    {
        for (const LegacyFont script : AllLegacyFonts) {
            const Keying::InputMethod method = inputMethod(script);
            const MSymbol language = msymbol(method.language.toLatin1().constData());
            const MSymbol name = msymbol(method.name.toLatin1().constData());
            bool listed = false;
            MPlist *all = minput_list(language);
            for (MPlist *each = all; each && mplist_key(each) != Mnil; each = mplist_next(each)) {
                MPlist *entry = static_cast<MPlist *>(mplist_value(each));
                MPlist *second = mplist_next(entry);
                // (language name sane): sane is t where the method loads.
                if (mplist_value(second) == name && mplist_value(mplist_next(second)) == Mt)
                    listed = true;
            }
            m17n_object_unref(all);
            QVERIFY2(listed, qPrintable(method.ibusEngine() + u" is not among m17n's methods"_s));

            MPlist *titleAndIcon = minput_get_title_icon(language, name);
            QVERIFY(titleAndIcon && mplist_key(titleAndIcon) == Mtext);
            const QString title = textOf(static_cast<MText *>(mplist_value(titleAndIcon)));
            m17n_object_unref(titleAndIcon);
            QCOMPARE(title, method.title);
        }
    }

    void shouldTypeWhatThePagesTeach_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        // The keying examples of the introduction's pages, in every script,
        // give what the engine gives.
        const QStringList examples{
            u"a"_s, u"k"_s, u"aa"_s, u"kaa"_s, u"aakaa"_s, u"a aa i ii u uu rri ...."_s,
            u"a aa i ii u uu e ee o oo"_s, u"k kh g gh ....."_s, u"rshlii"_s, u"ddva"_s, u"aak"_s, u"k\n"_s,
            u"eke"_s, u"eekee"_s,
        };
        for (const LegacyFont script : AllLegacyFonts)
            for (const QString &keys : examples)
                QTest::addRow("%s: %s", qPrintable(scriptName(script)), qPrintable(shownKeys(keys)))
                    << script << keys << compose(script, keys);
        // And what the pages show for some of them.
        using enum LegacyFont;
        QTest::newRow("the vowels") << Devanagari << u"a aa i ii u uu rri ...."_s << u"अ आ इ ई उ ऊ ऋ ...."_s;
        QTest::newRow("the Gurumukhi vowels") << Gurumukhi << u"a aa i ii u uu e ee o oo"_s
                                              << u"ਅ ਆ ਇ ਈ ਉ ਊ ਏ ਐ ਓ ਔ"_s;
        QTest::newRow("the consonants") << Devanagari << u"k kh g gh ....."_s << u"क ख ग घ ....."_s;
        QTest::newRow("a syllable of a vowel and a consonant") << Devanagari << u"aakaa"_s << u"आका"_s;
        QTest::newRow("a conjunct") << Devanagari << u"rshlii"_s << u"र्श्ली"_s;
        QTest::newRow("a Bengali conjunct") << Bengali << u"rshlii"_s << u"র্শ্লী"_s;
        QTest::newRow("dd is the dental d") << Gurumukhi << u"ddva"_s << u"ਦ੍ਵ"_s;
        QTest::newRow("the virama while pending") << Devanagari << u"aak"_s << u"आक्"_s;
        QTest::newRow("Return infers the a") << Devanagari << u"k\n"_s << u"क\n"_s;
        QTest::newRow("short e") << Gujarati << u"eke"_s << u"એકે"_s;
        QTest::newRow("long e") << Devanagari << u"eekee"_s << u"ऐकै"_s;
        // Where keys could still grow into a longer run, the method waits, as
        // the engine does, and takes the longest run that the keys make.
        QTest::newRow("s then h") << Devanagari << u"sha"_s << u"श"_s;
        QTest::newRow("rr then a") << Devanagari << u"rra"_s << u"र्र"_s;
        QTest::newRow("rri") << Devanagari << u"krri"_s << u"कृ"_s;
        QTest::newRow("lr begins only lrri") << Devanagari << u"lra"_s << u"ल्र"_s;
        QTest::newRow("lrri") << Bengali << u"lrri"_s << u"ঌ"_s;
        QTest::newRow("a doubled aspirate after a vowel") << Gurumukhi << u"chiTThii"_s << u"ਚਿੱਠੀ"_s;
    }

    void shouldTypeWhatThePagesTeach()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QCOMPARE(typed(script, keys), text);
    }

    // After every key, what the method shows is what the engine shows.
    void shouldTypeWhatTheEngineTypes()
    {
        for (const LegacyFont script : AllLegacyFonts) {
            QStringList differences;
            for (const QString &keys : randomKeyStrings(script, 10000)) {
                Typist typist(methodOf(script));
                Composer composer(script);
                QString sofar;
                for (const QString &key : keysIn(keys)) {
                    typist.type(key);
                    composer.type(key);
                    sofar += key;
                    if (typist.shown() != composer.text()) {
                        differences.append(u"\""_s + shownKeys(sofar) + u"\": m17n "_s + typist.shown()
                                           + u", engine "_s + composer.text());
                        break;
                    }
                }
            }
            QVERIFY2(differences.isEmpty(), qPrintable(scriptName(script) + u", "_s
                                                       + QString::number(differences.size()) + u" differ: "_s
                                                       + differences.mid(0, 10).join(u"; "_s)));
        }
    }
};

QTEST_GUILESS_MAIN(InputMethodsTest)
#include "tst_inputmethods.moc"
