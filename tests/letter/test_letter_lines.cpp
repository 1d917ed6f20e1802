// The built-in letter's own lines, in each of its designs: the address
// lines as the reader expects them (tidy, in each country's form), the
// greeting, closing and enclosure in the letter's language or the user's
// words, and the designs' contact lines with only what is given.
#include <QTemporaryDir>
#include <QtTest>

#include "DocumentReader.h"
#include "HeldOffice.h"
#include "LetterDesign.h"
#include "LetterEngine.h"
#include "LetterRun.h"
#include "LetterText.h"
#include "LibreOfficeAutomation.h"
#include "LocaleVariables.h"
#include "Main.h"

namespace {

// The rows of the built-in letter's lines for one design, named after it.
void addLineRows(LetterDesign design)
{
    const QString phone = design == LetterDesign::Classic ? QString() : QStringLiteral("(208) 555-0100");
    const auto row = [&](const char *name) -> QTestData & {
        return QTest::newRow(qPrintable(LetterDesigns::name(design) + QStringLiteral(": ") + QLatin1String(name)))
                << design;
    };
    const QString date = letterDate();
    const QString sender = "Dorian Vell|1234 East Main Street|";
    const QString recipient = "|" + date + "|Vore Vurud|Contractor|Vuvodud Arudaziz Inc.|123 Garage St|";
    const QString closing = "|Sincerely,|Dorian Vell|Enclosure";
    const QString withPhone = "call me at (208) 555-0100. Thank you for your time and consideration.";
    row("everything given") << QStringList()
                            << sender + "Boise, ID  91002" + recipient
                    + "Hawthorne, CA  90250|Dear Vore Vurud:" + closing
                            << withPhone << phone;
    row("no state: no separator beside it")
            << QStringList{"1=Paris", "8=", "9=75005"}
            << sender + "Paris, 75005" + recipient + "Hawthorne, CA  90250|Dear Vore Vurud:" + closing << withPhone
            << phone;
    row("a city alone, a zip alone") << QStringList{"5=Tel Aviv", "3=", "2=", "1=", "8=", "9=91002"}
                                     << sender + "91002" + recipient + "Tel Aviv|Dear Vore Vurud:" + closing
                                     << withPhone << phone;
    row("nothing of a city line, no title, no street: no lines")
            << QStringList{"5=", "3=", "2=", "10=", "4="}
            << "Dorian Vell|1234 East Main Street|Boise, ID  91002|" + date
                    + "|Vore Vurud|Vuvodud Arudaziz Inc.|Dear Vore Vurud:" + closing
            << withPhone << phone;
    row("countries under their cities, each address in its country's form")
            << QStringList{"1=Gen\u00e8ve", "8=GE", "9=1204", "Country=Switzerland", "Country2=Israel"}
            << sender + "1204 Gen\u00e8ve GE|Switzerland" + recipient
                    + "Hawthorne, CA  90250|Israel|Dear Vore Vurud:" + closing
            << withPhone << phone;
    row("a country without a city line") << QStringList{"1=", "8=", "9=", "Country=Switzerland"}
                                         << sender + "Switzerland" + recipient
                    + "Hawthorne, CA  90250|Dear Vore Vurud:" + closing
                                         << withPhone << phone;
    row("no phone: the sentence asks to be contacted")
            << QStringList{"Phone="}
            << sender + "Boise, ID  91002" + recipient + "Hawthorne, CA  90250|Dear Vore Vurud:" + closing
            << "please contact me. Thank you for your time and consideration."
            << "";
    row("the user's greeting, closing and no enclosure")
            << QStringList{"greeting=Bonjour [RecipientName],", "closing=Cordialement,", "enclosure="}
            << sender + "Boise, ID  91002" + recipient
                    + "Hawthorne, CA  90250|Bonjour Vore Vurud,|Cordialement,|Dorian Vell"
            << withPhone << phone;
    // The letter's language (the date's) gives its words, and its
    // country the addresses' form.
    const QDate today = QDate::currentDate();
    const QStringList german{
            "LC_ALL=de_DE.UTF-8",    "6=Domstraße 1",  "1=Köln",          "8=",       "9=50667", "7=Anna Schmidt",
            "10=Leitung Recruiting", "11=Muster GmbH", "4=Hauptstraße 5", "5=Berlin", "3=",      "2=10115"};
    const QString germanLines = "Dorian Vell|Domstraße 1|50667 Köln|"
            + letterDate(today, QLocale(QStringLiteral("de_DE")))
            + "|Anna Schmidt|Leitung Recruiting|Muster GmbH|Hauptstraße 5|10115 Berlin"
              "|Guten Tag Anna Schmidt,|Mit freundlichen Grüßen|Dorian Vell|Anlagen";
    row("a German letter") << german << germanLines << withPhone << phone;
    const QStringList japanese{
            "LC_ALL=ja_JP.UTF-8", "0=鈴木一郎", "6=神宮前1-2-3",       "1=渋谷区",    "8=東京都",     "9=150-0001",
            "7=山田太郎",         "10=人事部",  "11=株式会社サンプル", "4=梅田1-1-1", "5=大阪市北区", "3=大阪府",
            "2=530-0001"};
    const QString japaneseLines = "鈴木一郎|〒150-0001|東京都渋谷区神宮前1-2-3|"
            + letterDate(today, QLocale(QStringLiteral("ja_JP")))
            + "|〒530-0001|大阪府大阪市北区梅田1-1-1|株式会社サンプル|人事部|山田太郎 様"
              "|拝啓|敬具|鈴木一郎|同封書類";
    row("a Japanese letter") << japanese << japaneseLines << withPhone << phone;
    row("no recipient's name: the greeting for nobody") << QStringList{"7=", "greetingNoName=Madame, Monsieur,"}
                                                        << sender + "Boise, ID  91002|" + date
                    + "|Hiring Manager|Contractor|Vuvodud Arudaziz Inc.|123 Garage St|Hawthorne, CA  90250|Madame, "
                      "Monsieur,"
                    + closing << withPhone << phone;
    const QString web = design == LetterDesign::Classic
            ? QString()
            : QStringLiteral("(208) 555-0100 \u00b7 dorian@example.org|dorianvell.example.org");
    row("an e-mail and a web page: the designs' contact lines have them")
            << QStringList{"Email=dorian@example.org", "Web=dorianvell.example.org"}
            << sender + "Boise, ID  91002" + recipient + "Hawthorne, CA  90250|Dear Vore Vurud:" + closing << withPhone
            << web;
    // A body paragraph that reads as a design's line is the user's, and
    // the lines after it are still tidied.
    row("a body paragraph of [Web] alone, no title") << QStringList{"text=I write to you.\n\n[Web]", "10="}
                                                     << sender + "Boise, ID  91002|" + date
                    + "|Vore Vurud|Vuvodud Arudaziz Inc.|123 Garage St|Hawthorne, CA  90250|Dear Vore Vurud:" + closing
                                                     << "" << phone;
}

} // namespace

class TestLetterLines : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    LibreOfficeAutomation m_office;
    std::unique_ptr<DocumentReader> m_reader;

    // The paragraphs of the design's contact lines in the letter made in
    // `held`.
    QStringList contactLinesMadeIn(HeldOffice &held, const LetterRequest &request)
    {
        const MadeLetter made = makeLetter(m_office, request, &held);
        if (request.keep != LetterRequest::Keep::ScratchLetter)
            return {};
        QStringList lines;
        for (const DocumentReader::Paragraph &p : m_reader->read(made.document).paragraphs) {
            if (p.style == QStringLiteral("Contact"))
                lines << p.text;
        }
        DeleteFileQuietly(made.document);
        return lines;
    }

private slots:
    void initTestCase()
    {
        qputenv("temp", QFile::encodeName(m_temp.path()));
        m_reader = std::make_unique<DocumentReader>();
    }

    // Every row for each design: the designs differ only in their contact
    // lines (none in the classic letter), listed apart.
    void theBuiltInLettersLinesReadAsTheReaderExpects_data()
    {
        QTest::addColumn<LetterDesign>("design");
        QTest::addColumn<QStringList>("changes"); // field index or further name = value, or a wording key
        QTest::addColumn<QString>("lines");       // every paragraph but the body's and the contact lines, by "|"
        QTest::addColumn<QString>("bodyEnd");     // how the body's last paragraph ends
        QTest::addColumn<QString>("contact");     // the designs' contact lines, joined by "|"
        for (LetterDesign design : LetterDesigns::all())
            addLineRows(design);
    }

    void theBuiltInLettersLinesReadAsTheReaderExpects()
    {
        QFETCH(LetterDesign, design);
        QFETCH(QStringList, changes);
        QFETCH(QString, lines);
        QFETCH(QString, bodyEnd);
        QFETCH(QString, contact);
        LetterRequest request = sampleRequest();
        request.design = design;
        request.further = {{"Phone", "(208) 555-0100"}, {"Email", ""}, {"Country", ""}, {"Country2", ""}, {"Web", ""}};
        const QByteArray lcAll = qgetenv("LC_ALL");
        const auto restoreLocale = qScopeGuard([&] { setLocaleVariables({{"LC_ALL", lcAll}}); });
        for (const QString &change : changes) {
            const QString name = change.section(u'=', 0, 0), value = change.section(u'=', 1);
            bool isField = false;
            const int field = name.toInt(&isField);
            if (name == "LC_ALL") {
                // As the window asks for a letter in the user's language.
                setLocaleVariables({{"LC_ALL", value.toUtf8()}});
                request.date = letterDate();
                request.wording = BuiltInLetter::defaultWording(dateLanguage());
            } else if (isField)
                request.fields[size_t(field)] = value;
            else if (name == "greeting")
                request.wording.greeting = value;
            else if (name == "greetingNoName")
                request.wording.greetingNoName = value;
            else if (name == "closing")
                request.wording.closing = value;
            else if (name == "enclosure")
                request.wording.enclosure = value;
            else if (name == "text") {
                request.letterTextFile = m_temp.filePath(QStringLiteral("letter.txt"));
                LetterText::write(request.letterTextFile, value);
            } else
                std::find_if(request.further.begin(), request.further.end(), [&](auto &f) { return f.first == name; })
                        ->second
                        = value;
        }
        const DocumentReader::Document letter = makeAndRead(m_office, request, *m_reader);
        QStringList shown, contactLines;
        QString body;
        for (const DocumentReader::Paragraph &p : letter.paragraphs) {
            if (p.style == QStringLiteral("Text body") || p.style == QStringLiteral("Body Text") || p.inList)
                body = p.text;
            else
                (p.style == QStringLiteral("Contact") ? contactLines : shown) << p.text;
        }
        QCOMPARE(shown.join(u'|'), lines);
        QCOMPARE(contactLines.join(u'|'), contact);
        QVERIFY2(body.endsWith(bodyEnd), qPrintable(body));
        QVERIFY(!letter.everyText().contains(QStringLiteral("555-0142")));
    }

    void aLetterMadeReadyInAnotherDesignIsNeverShown()
    {
        // The window makes its next letter ready in the office it keeps;
        // the user then chooses another design before asking for it.
        HeldOffice held;
        LetterRequest request = sampleRequest();
        request.keep = LetterRequest::Keep::OpenLetterOnly;
        contactLinesMadeIn(held, request);
        request.keep = LetterRequest::Keep::ScratchLetter;
        request.design = LetterDesign::Modern;
        QCOMPARE(contactLinesMadeIn(held, request),
                 QStringList{QStringLiteral("(208) 555-0100 \u00b7 dorian@example.org")});
        request.design = LetterDesign::Classic;
        QCOMPARE(contactLinesMadeIn(held, request), QStringList());
        held.giveBack();
    }
};

QTEST_MAIN(TestLetterLines)
#include "test_letter_lines.moc"
