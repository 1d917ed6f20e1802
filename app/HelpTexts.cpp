#include "HelpTexts.h"

#include <array>

#include <QDir>
#include <QObject>

#include "AppTitle.h"
#include "LetterFields.h"

namespace {
// What fills each field's placeholder, by field index.
constexpr std::array<const char *, FieldCount> FilledWith = {
        QT_TRANSLATE_NOOP("QObject", "Your Name"),
        QT_TRANSLATE_NOOP("QObject", "your City"),
        QT_TRANSLATE_NOOP("QObject", "the recipient's Zip Code"),
        QT_TRANSLATE_NOOP("QObject", "the recipient's State"),
        QT_TRANSLATE_NOOP("QObject", "the recipient's Street Address"),
        QT_TRANSLATE_NOOP("QObject", "the recipient's City"),
        QT_TRANSLATE_NOOP("QObject", "your Street Address"),
        QT_TRANSLATE_NOOP("QObject", "the Recipient Name"),
        QT_TRANSLATE_NOOP("QObject", "your State"),
        QT_TRANSLATE_NOOP("QObject", "your Zip Code"),
        QT_TRANSLATE_NOOP("QObject", "the recipient's Title"),
        QT_TRANSLATE_NOOP("QObject", "the Company Name"),
        QT_TRANSLATE_NOOP("QObject", "the date of the letter, such as \"March 3, 2026\""),
};
} // namespace

QList<PlaceholderHelp> placeholderHelpRows()
{
    QList<PlaceholderHelp> rows;
    auto add = [&](const QString &placeholder, const char *filledWith) {
        rows.append({placeholder, QObject::tr(filledWith)});
    };
    // Reading order: the fields as the window shows them, then the date.
    for (int index : SampleOrder)
        add(QLatin1String(LetterFields[size_t(index)].placeholder), FilledWith[size_t(index)]);
    add(QLatin1String(LetterFields[DateFieldIndex].placeholder), FilledWith[DateFieldIndex]);
    add(u'[' + QLatin1String(SenderDetailKeys[0]) + u']',
        QT_TRANSLATE_NOOP("QObject", "Your Phone, set in Letter > Edit Letter Text…"));
    add(u'[' + QLatin1String(SenderDetailKeys[1]) + u']',
        QT_TRANSLATE_NOOP("QObject", "Your E-mail, set in Letter > Edit Letter Text…"));
    add(u'[' + QLatin1String(SenderDetailKeys[2]) + u']',
        QT_TRANSLATE_NOOP("QObject", "Your Country, set in Letter > Edit Letter Text…"));
    add(u'[' + QLatin1String(WebKey) + u']',
        QT_TRANSLATE_NOOP("QObject", "Your Web Page, set in Letter > Edit Letter Text…"));
    add(u'[' + QLatin1String(RecipientCountryKey) + u']',
        QT_TRANSLATE_NOOP("QObject", "The Recipient's Country, set in Letter > Edit Letter Text…"));
    add(u'[' + QLatin1String(SignatureKey) + u']',
        QT_TRANSLATE_NOOP("QObject", "Your signature picture, chosen in Letter > Edit Letter Text… (else nothing)"));
    return rows;
}

QStringList placeholdersInReadingOrder()
{
    QStringList placeholders;
    for (const PlaceholderHelp &row : placeholderHelpRows())
        placeholders << row.placeholder;
    return placeholders;
}

QString placeholdersIntroduction()
{
    return QObject::tr("A letter template holds placeholders, which are filled with your entries:");
}

QString placeholdersExplanation()
{
    return QObject::tr("<p>A placeholder is the name in square brackets, as listed, in any letter case: "
                       "[yourname] and [YOURNAME] are filled too. It is filled wherever it stands: in "
                       "the body, headers, footers, tables and text boxes, even when part of it is "
                       "formatted differently. Each placeholder ends with its bracket, so [City] never "
                       "matches inside [City2]. An empty field leaves its placeholder empty; text "
                       "around it stays as you wrote it. An empty Recipient Name is filled as "
                       "\"Hiring Manager\" (in a French, German, Spanish or Japanese letter, that "
                       "language's words), so the letter reads \"Dear Hiring Manager:\".</p>"
                       "<p>In a list of letters (tessaline --batch), a column of any other name fills "
                       "the placeholder of that name: a column \"Position\" fills [Position]. In the "
                       "window, Letter &gt; More Fields… gives such a placeholder its value.</p>"
                       "<p>To put the built-in letter in your own words, choose Letter &gt; Edit Letter "
                       "Text…; placeholders work there too. For a letter laid out your own way, choose "
                       "Letter &gt; Save Built-in Letter As…, change the text around the placeholders "
                       "in your word processor, and choose the file with Letter &gt; Use My Own "
                       "Template….</p>");
}

QString aboutText(const std::optional<QString> &officeVersion, const QString &settingsFile,
                  const QString &scratchFolder)
{
    // The box never waits for the office to tell its version.
    const QString office = !officeVersion ? QObject::tr("LibreOffice (its version is still being asked)")
            : officeVersion->isEmpty()    ? QObject::tr("none found")
                                          : *officeVersion;
    return QObject::tr("%1 %2\nCover letters from twelve short fields.\n\n"
                       "Word processor: %3\n"
                       "Settings: %4\n"
                       "Scratch files: %5")
            .arg(QLatin1String(ProductName), QLatin1String(VersionText), office, QDir::toNativeSeparators(settingsFile),
                 QDir::toNativeSeparators(scratchFolder));
}
