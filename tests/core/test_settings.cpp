// The typed settings read and write the keys every earlier version wrote,
// in the same form, so that a user's settings file keeps working.
#include <functional>

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "MemorySettingsStore.h"
#include "Settings.h"
#include "SettingsStore.h"

namespace {

// A key as the settings file keeps it, and the same value through the
// typed setter and getter (the getter's value written as the file would).
struct Key
{
    const char *name;
    const char *stored;
    std::function<void(Settings &)> write;
    std::function<QString(const Settings &)> read;
};

QString switchText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString paperName(const Settings &settings)
{
    return settings.paperSize() ? Paper::nameOf(*settings.paperSize()) : QString();
}

QString extraValue(const Settings &settings, const QString &name)
{
    for (const auto &[kept, value] : settings.extraValues()) {
        if (kept == name)
            return value;
    }
    return QStringLiteral("(none)");
}

const std::vector<Key> &keys()
{
    static const std::vector<Key> table = {
            {"Text1_0", "Dorian Vell", [](Settings &s) { s.setField(0, "Dorian Vell"); },
             [](const Settings &s) { return s.field(0); }},
            {"Text1_12", "March 3 2026", [](Settings &s) { s.setField(12, "March 3 2026"); },
             [](const Settings &s) { return s.field(12); }},
            {"Template", "/home/ada/my-letter.docx", [](Settings &s) { s.setTemplatePath("/home/ada/my-letter.docx"); },
             [](const Settings &s) { return s.templatePath(); }},
            {"DateFormat", "d MMMM yyyy", [](Settings &s) { s.setDateFormat("d MMMM yyyy"); },
             [](const Settings &s) { return s.dateFormat(); }},
            {"SaveFolder", "/home/ada/Letters", [](Settings &s) { s.setSaveFolder("/home/ada/Letters"); },
             [](const Settings &s) { return s.saveFolder(); }},
            {"Phone", "(555) 010-7788", [](Settings &s) { s.setPhone("(555) 010-7788"); },
             [](const Settings &s) { return s.phone(); }},
            {"Email", "ada@example.org", [](Settings &s) { s.setEmail("ada@example.org"); },
             [](const Settings &s) { return s.email(); }},
            {"Country", "USA", [](Settings &s) { s.setCountry("USA"); }, [](const Settings &s) { return s.country(); }},
            {"Country2", "Deutschland", [](Settings &s) { s.setRecipientCountry("Deutschland"); },
             [](const Settings &s) { return s.recipientCountry(); }},
            {"SpellingLanguage", "fr_FR", [](Settings &s) { s.setSpellingLanguage("fr_FR"); },
             [](const Settings &s) { return s.spellingLanguage(); }},
            {"Signature", "/home/ada/signature.png", [](Settings &s) { s.setSignature("/home/ada/signature.png"); },
             [](const Settings &s) { return s.signature(); }},
            {"PaperSize", "A4", [](Settings &s) { s.setPaperSize(PaperSize::A4); }, paperName},
            {"WholePage", "1", [](Settings &s) { s.setWholePage(true); },
             [](const Settings &s) { return switchText(s.wholePage()); }},
            {"LivePage", "1", [](Settings &s) { s.setLivePage(true); },
             [](const Settings &s) { return switchText(s.livePage()); }},
            {"RequireJail", "true", [](Settings &s) { s.setRequireJail(true); },
             [](const Settings &s) { return QString::fromLatin1(s.requireJail() ? "true" : "false"); }},
            {"Greeting", "Hello [RecipientName]:", [](Settings &s) { s.setGreeting("Hello [RecipientName]:"); },
             [](const Settings &s) { return s.greeting().value_or("(none)"); }},
            {"GreetingNoName", "Hello:", [](Settings &s) { s.setGreetingNoName("Hello:"); },
             [](const Settings &s) { return s.greetingNoName().value_or("(none)"); }},
            {"Closing", "Yours truly", [](Settings &s) { s.setClosing("Yours truly"); },
             [](const Settings &s) { return s.closing().value_or("(none)"); }},
            // Kept empty: no enclosure line, rather than the built-in one.
            {"EnclosureLine", "", [](Settings &s) { s.setEnclosureLine(""); },
             [](const Settings &s) { return s.enclosureLine().value_or("(none)"); }},
            {"Extra_Position", "Data Analyst", [](Settings &s) { s.setExtraValue("Position", "Data Analyst"); },
             [](const Settings &s) { return extraValue(s, "Position"); }},
    };
    return table;
}

// Each case has a settings folder of its own, as the user's would be.
class UserSettings : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }
    QString file() const { return m_config.filePath(QStringLiteral("Marrowfen.conf")); }

    QTemporaryDir m_config;
    Settings m_settings;
};

TEST_F(UserSettings, EachKeyIsKeptUnderItsNameInTheUsersFile)
{
    EXPECT_EQ(m_settings.fileName(), file());
    for (const Key &key : keys()) {
        SCOPED_TRACE(key.name);
        key.write(m_settings);
        EXPECT_EQ(key.read(m_settings), QString::fromUtf8(key.stored));
        const QSettings reader(file(), QSettings::IniFormat);
        EXPECT_EQ(reader.value(QStringLiteral("Tessaline/") + QString::fromLatin1(key.name)).toString(),
                  QString::fromUtf8(key.stored));
    }
}

TEST_F(UserSettings, AFileOfAnEarlierVersionIsRead)
{
    QByteArray earlier = "[Tessaline]\n";
    for (const Key &key : keys())
        earlier += QByteArray(key.name) + '=' + key.stored + '\n';
    QFile planted(file());
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.write(earlier);
    planted.close();
    for (const Key &key : keys()) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(key.read(m_settings), QString::fromUtf8(key.stored));
    }
}

// Values written by hand in the file, as the README tells people to: a
// comma without quotes is text, not a list the value is lost in; what the
// program writes reads back the same.
TEST_F(UserSettings, AValueWrittenByHandReadsAsWritten)
{
    const struct
    {
        const char *line;
        const char *value;
    } cases[] = {
            {"Greeting=Madame, Monsieur [RecipientName],", "Madame, Monsieur [RecipientName],"},
            {"Closing = Cordialement,", "Cordialement,"},
            {"Closing=Mit freundlichen Grüßen", "Mit freundlichen Grüßen"},
            {"Closing=\"Best, as ever\"", "Best, as ever"},
            {"Closing=Yours,, truly", "Yours,, truly"},
    };
    for (const auto &written : cases) {
        SCOPED_TRACE(written.line);
        QFile planted(file());
        ASSERT_TRUE(planted.open(QIODevice::WriteOnly | QIODevice::Truncate));
        planted.write(QByteArray("[Other]\nClosing=not ours, either\n[Tessaline]\n") + written.line + '\n');
        planted.close();
        UserSettingsStore store;
        const QString key = QString::fromUtf8(written.line).section(u'=', 0, 0).trimmed();
        EXPECT_EQ(store.value(key), QString::fromUtf8(written.value));
        store.setValue(key, store.value(key));
        EXPECT_EQ(store.value(key), QString::fromUtf8(written.value));
    }
}

TEST(Settings, AValueOfTheWrongKindReadsAsTheDefault)
{
    const struct
    {
        const char *name;
        const char *stored;
        std::function<QString(const Settings &)> read;
        const char *expected;
    } cases[] = {
            {"WholePage", "banana", [](const Settings &s) { return switchText(s.wholePage()); }, "0"},
            {"LivePage", "yes please", [](const Settings &s) { return switchText(s.livePage()); }, "0"},
            {"PaperSize", "Q9", paperName, ""},
            // Written by hand, as people write it.
            {"PaperSize", " letter ", paperName, "Letter"},
            {"WholePage", "Yes", [](const Settings &s) { return switchText(s.wholePage()); }, "1"},
            {"LivePage", " ON ", [](const Settings &s) { return switchText(s.livePage()); }, "1"},
            {"LivePage", "off", [](const Settings &s) { return switchText(s.livePage()); }, "0"},
            // A protection never lost to how it was spelt.
            {"RequireJail", "1", [](const Settings &s) { return switchText(s.requireJail()); }, "1"},
            {"RequireJail", "yes", [](const Settings &s) { return switchText(s.requireJail()); }, "1"},
            {"RequireJail", "On", [](const Settings &s) { return switchText(s.requireJail()); }, "1"},
            {"RequireJail", "TRUE", [](const Settings &s) { return switchText(s.requireJail()); }, "1"},
            {"RequireJail", "no", [](const Settings &s) { return switchText(s.requireJail()); }, "0"},
    };
    for (const auto &wrong : cases) {
        SCOPED_TRACE(wrong.stored);
        MemorySettingsStore store;
        store.setValue(QString::fromLatin1(wrong.name), QString::fromLatin1(wrong.stored));
        EXPECT_EQ(wrong.read(Settings(store)), QString::fromLatin1(wrong.expected));
    }
}

} // namespace
