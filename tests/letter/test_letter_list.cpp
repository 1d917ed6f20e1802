// Reading a list of letters and naming their files: the rows a user's CSV
// file really holds, with the lines that a report of a bad row names.
#include <QtTest>

#include "Failure.h"
#include "ListCheck.h"
#include "LetterList.h"
#include "LetterNames.h"

namespace {
constexpr int RecipientName = 7;
constexpr int Title = 10;
constexpr int CompanyName = 11;

constexpr int RecipientStreet = 4;

// What the window stored: the sender's name, and the last recipient's
// street, which no letter of a list may carry.
std::array<QString, FieldCount> storedTexts()
{
    std::array<QString, FieldCount> texts;
    texts[0] = QStringLiteral("Stored Sender");
    texts[RecipientStreet] = QStringLiteral("Stored Street");
    return texts;
}

FurtherValues storedDetails()
{
    return {{QStringLiteral("Phone"), QStringLiteral("stored phone")},
            {QStringLiteral("Email"), QStringLiteral("stored@mail")}};
}

const QString Today = QStringLiteral("March 3, 2026");
} // namespace

class TestLetterList : public QObject
{
    Q_OBJECT

private slots:
    void rowsKeepTheirLinesAndTexts_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QStringList>("recipients");
        QTest::addColumn<QStringList>("problems"); // empty text: a good row; "(empty)": nothing to write

        QTest::newRow("byte-order mark, CR LF") << QByteArray("\xEF\xBB\xBFRecipientName\r\nAnn\r\nBob\r\n")
                                                << QList<int>{2, 3} << QStringList{"Ann", "Bob"} << QStringList{"", ""};
        QTest::newRow("line break inside quotes")
                << QByteArray("RecipientName,Title\n\"Ann\nLee\",x\nBob,y\n") << QList<int>{2, 4}
                << QStringList{"Ann\nLee", "Bob"} << QStringList{"", ""};
        QTest::newRow("quoted comma and doubled quote")
                << QByteArray("RecipientName\n\"Lee, \"\"Ann\"\"\"\n") << QList<int>{2} << QStringList{"Lee, \"Ann\""}
                << QStringList{""};
        QTest::newRow("empty row inside, empty lines at the end")
                << QByteArray("RecipientName\nAnn\n\nBob\n\n\n") << QList<int>{2, 3, 4} << QStringList{"Ann", "", "Bob"}
                << QStringList{"", "(empty)", ""};
        QTest::newRow("row of blank fields")
                << QByteArray("RecipientName,Title\nAnn,x\n, \n\"\",\"\"\n") << QList<int>{2, 3, 4}
                << QStringList{"Ann", "", ""} << QStringList{"", "(empty)", "(empty)"};
        QTest::newRow("short and long rows")
                << QByteArray("RecipientName,Title\nAnn\nBob,x,y\nCy,z\n") << QList<int>{2, 3, 4}
                << QStringList{"", "", "Cy"}
                << QStringList{"the row has 1 fields, the header has 2", "the row has 3 fields, the header has 2", ""};
        QTest::newRow("no line break at the end")
                << QByteArray("RecipientName\nAnn") << QList<int>{2} << QStringList{"Ann"} << QStringList{""};
        QTest::newRow("header only") << QByteArray("RecipientName\n") << QList<int>{} << QStringList{} << QStringList{};
        // Never an empty field in its place: the letter would lack it unseen.
        QTest::newRow("NUL in a field")
                << QByteArray("RecipientName,Title\nAnn,x\nB\0b,y\n", 32) << QList<int>{2, 3} << QStringList{"Ann", ""}
                << QStringList{
                           "",
                           "the field of column \"RecipientName\" holds a NUL character (is the list a text file?)"};
    }

    void rowsKeepTheirLinesAndTexts()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QList<int>, lines);
        QFETCH(QStringList, recipients);
        QFETCH(QStringList, problems);
        const LetterList list = parseLetterList(csv, storedTexts(), storedDetails(), Today);
        QCOMPARE(int(list.rows.size()), lines.size());
        for (size_t i = 0; i < list.rows.size(); ++i) {
            const LetterRow &row = list.rows[i];
            QCOMPARE(row.line, lines[qsizetype(i)]);
            QCOMPARE(row.empty ? QStringLiteral("(empty)") : row.problem, problems[qsizetype(i)]);
            if (row.problem.isEmpty())
                QCOMPARE(row.texts[RecipientName], recipients[qsizetype(i)]);
        }
    }

    void columnsFillTheirPlaceholdersAndOnlyTheSendersComeFromTheSettings()
    {
        const LetterList list = parseLetterList("[recipientname], TITLE ,Position,[CompanyName],Title,PHONE,,[a]b]\n"
                                                "Ann,Boss,Designer,Acme,Again,555,x,y\n",
                                                storedTexts(), storedDetails(), Today);
        QCOMPARE(int(list.rows.size()), 1);
        const LetterRow &row = list.rows.front();
        QCOMPARE(row.texts[RecipientName], QStringLiteral("Ann"));
        QCOMPARE(row.texts[Title], QStringLiteral("Boss")); // the first of two
        QCOMPARE(row.texts[CompanyName], QStringLiteral("Acme"));
        QCOMPARE(row.texts[0], QStringLiteral("Stored Sender")); // no column: the sender's stored text
        QCOMPARE(row.texts[RecipientStreet], QString());         // never another letter's address
        QCOMPARE(row.texts[DateFieldIndex], Today);
        const FurtherValues further{{QStringLiteral("Phone"), QStringLiteral("555")},
                                    {QStringLiteral("Email"), QStringLiteral("stored@mail")},
                                    {QStringLiteral("Position"), QStringLiteral("Designer")}};
        QCOMPARE(row.further, further);
        QCOMPARE(list.furtherNames, QStringList({"Phone", "Email", "Position"}));
        QCOMPARE(list.unknownColumns, QStringList({"Title", "(a column without a name)", "[a]b]"}));
    }

    // Lists as people keep them: the header row against where each column
    // goes ("name=placeholder", "+" its own name when it fills that too),
    // and how many lines say where address columns went.
    void headersAsPeopleWriteThemFillTheirPlaces_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("byHand");
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<int>("notes");
        QTest::newRow("a job tracker's export")
                << QByteArray("Company,Hiring Manager,Job Title,Street Address,City,State,ZIP,Position,Where I saw it")
                << ""
                << QStringList{"Company=CompanyName+Company",
                               "Hiring Manager=RecipientName+Hiring Manager",
                               "Job Title=Title+Job Title",
                               "Street Address=StreetAddress2",
                               "City=City2",
                               "State=ST2+State",
                               "ZIP=ZIPCode2+ZIP",
                               "Position=Position",
                               "Where I saw it=Where I saw it"}
                << 1;
        QTest::newRow("German, the program's names and PLZ")
                << QByteArray("CompanyName;RecipientName;Anrede;Title;StreetAddress2;PLZ;City2") << ""
                << QStringList{"CompanyName=CompanyName",
                               "RecipientName=RecipientName",
                               "Anrede=Anrede",
                               "Title=Title",
                               "StreetAddress2=StreetAddress2",
                               "PLZ=ZIPCode2+PLZ",
                               "City2=City2"}
                << 1;
        QTest::newRow("German") << QByteArray("Firma;Ansprechpartner;Funktion;Straße;PLZ;Ort;Land") << ""
                                << QStringList{"Firma=CompanyName+Firma",
                                               "Ansprechpartner=RecipientName+Ansprechpartner",
                                               "Funktion=Title+Funktion",
                                               "Straße=StreetAddress2+Straße",
                                               "PLZ=ZIPCode2+PLZ",
                                               "Ort=City2+Ort",
                                               "Land=Country2+Land"}
                                << 1;
        QTest::newRow("French") << QByteArray("Société;Interlocuteur;Fonction;Adresse;Code postal;Ville;Pays") << ""
                                << QStringList{"Société=CompanyName+Société",
                                               "Interlocuteur=RecipientName+Interlocuteur",
                                               "Fonction=Title+Fonction",
                                               "Adresse=StreetAddress2+Adresse",
                                               "Code postal=ZIPCode2+Code postal",
                                               "Ville=City2+Ville",
                                               "Pays=Country2+Pays"}
                                << 1;
        QTest::newRow("Spanish") << QByteArray("Empresa,Persona de contacto,Cargo,Dirección,Código postal,Ciudad") << ""
                                 << QStringList{"Empresa=CompanyName+Empresa",
                                                "Persona de contacto=RecipientName+Persona de contacto",
                                                "Cargo=Title+Cargo",
                                                "Dirección=StreetAddress2+Dirección",
                                                "Código postal=ZIPCode2+Código postal",
                                                "Ciudad=City2+Ciudad"}
                                 << 1;
        QTest::newRow("Japanese") << QByteArray("会社名,担当者,役職,郵便番号,都道府県,市区町村,住所") << ""
                                  << QStringList{"会社名=CompanyName+会社名", "担当者=RecipientName+担当者",
                                                 "役職=Title+役職",           "郵便番号=ZIPCode2+郵便番号",
                                                 "都道府県=ST2+都道府県",     "市区町村=City2+市区町村",
                                                 "住所=StreetAddress2+住所"}
                                  << 1;
        // The lists the program writes: both addresses, each where it was.
        QTest::newRow("both addresses by the program's names")
                << QByteArray("YourName,StreetAddress,City,RecipientName,StreetAddress2,City2") << ""
                << QStringList{"YourName=YourName",           "StreetAddress=StreetAddress",   "City=City",
                               "RecipientName=RecipientName", "StreetAddress2=StreetAddress2", "City2=City2"}
                << 1; // your stored street is replaced: said
        QTest::newRow("names that say whose")
                << QByteArray("Sender Street,Your City,Recipient City,Empfänger PLZ,Company State") << ""
                << QStringList{"Sender Street=StreetAddress+Sender Street", "Your City=City+Your City",
                               "Recipient City=City2+Recipient City", "Empfänger PLZ=ZIPCode2+Empfänger PLZ",
                               "Company State=ST2+Company State"}
                << 1;
        QTest::newRow("by hand") << QByteArray("Company,Where I saw it,City") << "Where I saw it=Source, city=[City]"
                                 << QStringList{"Company=CompanyName+Company", "Where I saw it=Source", "City=City"}
                                 << 0;
    }

    void headersAsPeopleWriteThemFillTheirPlaces()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, byHand);
        QFETCH(QStringList, placed);
        QFETCH(int, notes);
        std::array<QString, FieldCount> stored = storedTexts();
        stored[6] = QStringLiteral("1 Stored Street");
        const LetterList list
                = parseLetterList(header + '\n', stored, storedDetails(), Today, 0, ColumnNames::parseMapping(byHand));
        QStringList actual;
        for (const ListColumn &column : list.columns) {
            QString filled = column.field >= 0
                    ? QString::fromLatin1(LetterFields[size_t(column.field)].placeholder).chopped(1).mid(1)
                    : column.further;
            actual.append(column.name + u'=' + filled
                          + (column.alsoFills.isEmpty() ? QString() : u'+' + column.alsoFills));
        }
        QCOMPARE(actual, placed);
        QVERIFY(list.unknownColumns.isEmpty());
        QCOMPARE(placementNotes(list, stored).size(), notes);
    }

    void columnNamesMatchAsPeopleWriteThem_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("field");       // -1: a further placeholder
        QTest::addColumn<QString>("further"); // the further placeholder it fills
        QTest::newRow("spaces") << "Company Name" << CompanyName << "";
        QTest::newRow("underscores") << "company_name" << CompanyName << "";
        QTest::newRow("capitals") << "COMPANYNAME" << CompanyName << "";
        QTest::newRow("spaces and a digit") << "ZIP Code 2" << 2 << "";
        QTest::newRow("hyphen in brackets") << "[Recipient-Name]" << RecipientName << "";
        QTest::newRow("a stored value's") << "E-mail" << -1 << "Email";
        QTest::newRow("the list's own") << "Where I saw it" << -1 << "Where I saw it";
    }

    void columnNamesMatchAsPeopleWriteThem()
    {
        QFETCH(QString, column);
        QFETCH(int, field);
        QFETCH(QString, further);
        const LetterList list = parseLetterList(column.toUtf8() + "\nValue\n", storedTexts(), storedDetails(), Today);
        QCOMPARE(int(list.columns.size()), 1);
        QCOMPARE(list.columns.front().field, field);
        QCOMPARE(list.columns.front().further, further);
        const LetterRow &row = list.rows.front();
        if (field >= 0)
            QCOMPARE(row.texts[size_t(field)], QStringLiteral("Value"));
        else
            QVERIFY(std::find(row.further.begin(), row.further.end(), std::pair(further, QStringLiteral("Value")))
                    != row.further.end());
        // A name pattern names it the same way.
        const LetterNames names(QStringLiteral("{%1}").arg(column));
        names.check(list.furtherNames);
        QCOMPARE(names.nameFor(row.texts, row.further), QStringLiteral("Value"));
    }

    void separatorIsFoundFromTheHeaderLine_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<char>("given"); // 0: none given
        QTest::addColumn<char>("separator");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("comma") << QByteArray("RecipientName,Title\nAnn,Boss\n") << '\0' << ','
                               << QStringList{"Ann", "Boss"};
        QTest::newRow("semicolon, a comma in a field")
                << QByteArray("RecipientName;Title\nLee, Ann;Boss\n") << '\0' << ';' << QStringList{"Lee, Ann", "Boss"};
        QTest::newRow("tab, spaces in fields") << QByteArray("\xEF\xBB\xBFRecipient Name\tTitle\nAnn Lee\t Boss\n")
                                               << '\0' << '\t' << QStringList{"Ann Lee", "Boss"};
        QTest::newRow("quoted separators") << QByteArray("\"Recipient;Name\",\"Title;\"\n\"Ann;Lee\",\"a,b\"\n") << '\0'
                                           << ',' << QStringList{"Ann;Lee", "a,b"};
        QTest::newRow("quoted tab") << QByteArray("RecipientName\tTitle\n\"Ann\tLee\"\tBoss\n") << '\0' << '\t'
                                    << QStringList{"Ann\tLee", "Boss"};
        QTest::newRow("a tie") << QByteArray("RecipientName;Title,x\nAnn;Boss,y\n") << '\0' << ','
                               << QStringList{"Ann;Boss", "y"};
        QTest::newRow("one column") << QByteArray("\nRecipientName\nAnn;Lee\n") << '\0' << ','
                                    << QStringList{"Ann;Lee"};
        QTest::newRow("given") << QByteArray("RecipientName,Title;x\nAnn,Boss;y\n") << ';' << ';'
                               << QStringList{"Ann,Boss", "y"};
    }

    void separatorIsFoundFromTheHeaderLine()
    {
        QFETCH(QByteArray, csv);
        QFETCH(char, given);
        QFETCH(char, separator);
        QFETCH(QStringList, row);
        const LetterList list = parseLetterList(csv, storedTexts(), storedDetails(), Today, given);
        QCOMPARE(list.separator, separator);
        QCOMPARE(int(list.rows.size()), 1);
        QCOMPARE(list.rows.front().problem, QString());
        const LetterRow &read = list.rows.front();
        QStringList texts;
        for (const ListColumn &column : list.columns) {
            const auto further = std::find_if(read.further.begin(), read.further.end(),
                                              [&](const auto &value) { return value.first == column.further; });
            texts << (column.field >= 0 ? read.texts[size_t(column.field)] : further->second);
        }
        QCOMPARE(texts, row);
    }

    // Before the first letter: the letter's placeholders against the list
    // and what is stored.
    void theCheckNamesWhatNothingFills_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("letter");  // its placeholders
        QTest::addColumn<QStringList>("own");     // those of the user's own words
        QTest::addColumn<QString>("byHand");      // --columns
        QTest::addColumn<QStringList>("allowed"); // --allow-empty; "all" for all
        QTest::addColumn<QStringList>("unfilled");
        QTest::addColumn<QStringList>("allowedEmpty");
        QTest::addColumn<QStringList>("emptyEverywhere");
        QTest::addColumn<QStringList>("unusedColumns");
        QTest::addColumn<QStringList>("stops");          // emptyInOwnWords, then uselessMappings
        QTest::addColumn<QStringList>("fromMoreFields"); // storedOverColumns
        const QStringList letter{"YourName", "RecipientName", "Title", "Phone", "Position", "Fax"};
        const QStringList none;
        QTest::newRow("nothing fills two") << QByteArray("RecipientName,Title") << letter << none << "" << none
                                           << QStringList{"Position", "Fax"} << none << none << none << none << none;
        QTest::newRow("columns by key, one allowed by key")
                << QByteArray("recipient name,POSITION,Salary") << letter << none << "" << QStringList{"[fax]"} << none
                << QStringList{"Fax"} << QStringList{"Title"} << QStringList{"Salary"} << none << none;
        QTest::newRow("all allowed") << QByteArray("RecipientName") << letter << none << "" << QStringList{"all"}
                                     << none << QStringList{"Position", "Fax"} << QStringList{"Title"} << none << none
                                     << none;
        QTest::newRow("the name pattern uses a column")
                << QByteArray("RecipientName,CompanyName,Title,Position,Fax") << letter << none << "" << none << none
                << none << none << none << none << none;
        // "the Data Analyst role at , which": the user's own words need it.
        QTest::newRow("own words use a field no column fills")
                << QByteArray("Position") << QStringList{"CompanyName", "ST2", "Position"}
                << QStringList{"CompanyName", "Position"} << "" << none << none << none << QStringList{"ST2"} << none
                << QStringList{"CompanyName"} << none;
        QTest::newRow("... let be empty")
                << QByteArray("Position") << QStringList{"CompanyName", "Position"} << QStringList{"CompanyName"} << ""
                << QStringList{"companyname"} << none << QStringList{"CompanyName"} << none << none << none << none;
        QTest::newRow("a column mapped to what nothing uses")
                << QByteArray("Company,Notes") << QStringList{"CompanyName"} << none << "Notes=Remarks" << none << none
                << none << none << QStringList{"Notes"} << QStringList{"Notes=Remarks"} << none;
        QTest::newRow("a past letter's More Fields value beside an unused column")
                << QByteArray("Company,Where I saw it") << QStringList{"CompanyName", "Source"} << none << "" << none
                << none << none << none << QStringList{"Where I saw it"} << none << QStringList{"Source"};
        QTest::newRow("... the column mapped")
                << QByteArray("Company,Where I saw it") << QStringList{"CompanyName", "Source"} << none
                << "where i saw it=Source" << none << none << none << none << none << none << none;
    }

    void theCheckNamesWhatNothingFills()
    {
        QFETCH(QByteArray, header);
        QFETCH(QStringList, letter);
        QFETCH(QStringList, own);
        QFETCH(QString, byHand);
        QFETCH(QStringList, allowed);
        QFETCH(QStringList, unfilled);
        QFETCH(QStringList, allowedEmpty);
        QFETCH(QStringList, emptyEverywhere);
        QFETCH(QStringList, unusedColumns);
        QFETCH(QStringList, stops);
        QFETCH(QStringList, fromMoreFields);
        // The stored sender's name and phone fill theirs; More Fields keeps a
        // past letter's source.
        FurtherValues further = storedDetails();
        further.emplace_back(QStringLiteral("Source"), QStringLiteral("LinkedIn"));
        const ColumnNames::Mapping mapping = ColumnNames::parseMapping(byHand);
        const LetterList list = parseLetterList(header + '\n', storedTexts(), further, Today, 0, mapping);
        const bool all = allowed == QStringList{"all"};
        ListCheckInputs inputs{storedTexts(), further,
                               LetterNames(QString::fromLatin1(LetterNames::DefaultPattern)).placeholders(), own,
                               mapping};
        inputs.allowEmpty = all ? QStringList{} : allowed;
        inputs.allowEveryEmpty = all;
        const ListCheck check = checkList(letter, list, inputs);
        QCOMPARE(check.unfilled, unfilled);
        QCOMPARE(check.allowedEmpty, allowedEmpty);
        QCOMPARE(check.emptyEverywhere, emptyEverywhere);
        QCOMPARE(check.unusedColumns, unusedColumns);
        QCOMPARE(check.emptyInOwnWords + check.uselessMappings, stops);
        QStringList stored;
        for (const auto &[name, value] : check.storedOverColumns)
            stored.append(name);
        QCOMPARE(stored, fromMoreFields);
        QCOMPARE(check.stops(), !unfilled.isEmpty() || !stops.isEmpty());
        if (!unfilled.isEmpty())
            QVERIFY2(check.refusal(list).contains(QStringLiteral("[Position], [Fax]"))
                             && check.refusal(list).contains(QStringLiteral("\"RecipientName\", \"Title\"")),
                     qPrintable(check.refusal(list)));
        for (const QString &stop : stops)
            QVERIFY2(check.refusal(list).contains(stop), qPrintable(check.refusal(list)));
    }

    void theLettersOwnSpellingIsFilled()
    {
        const std::vector<std::pair<QString, QString>> replacements{{"[CompanyName]", "Acme"}, {"[Job Title]", "Boss"}};
        const auto filled = spelledAsTheLetter(replacements, {"companyname", "Job_Title", "Other"});
        QCOMPARE(filled.size(), size_t(3)); // letter case alone needs nothing more
        QCOMPARE(filled.back(), std::pair(QStringLiteral("[Job_Title]"), QStringLiteral("Boss")));
    }

    void unreadableListsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("no header row");
        QTest::newRow("only empty lines") << QByteArray("\n\n") << QStringLiteral("no header row");
        QTest::newRow("quote never closed")
                << QByteArray("RecipientName\n\"Ann\nBob\n") << QStringLiteral("never closed");
        QTest::newRow("quote inside a field") << QByteArray("RecipientName\nAn\"n\n") << QStringLiteral("line 2:");
        QTest::newRow("not UTF-8") << QByteArray("RecipientName\nJos\xE9\n") << QStringLiteral("not UTF-8");
    }

    void unreadableListsAreRefused()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, reason);
        try {
            parseLetterList(csv, storedTexts(), storedDetails(), Today);
            QFAIL("the list was read");
        } catch (const Failure &failure) {
            QVERIFY2(failure.description().contains(reason), qPrintable(failure.description()));
        }
    }

    void namesAreSafeFileNames_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("name");
        const QString standard = QString::fromLatin1(LetterNames::DefaultPattern);
        QTest::newRow("plain") << standard << "Acme"
                               << "Ann Lee"
                               << "Acme - Ann Lee";
        QTest::newRow("slashes and colons") << standard << "A/B: C"
                                            << "Ann\\Lee"
                                            << "A_B_ C - Ann_Lee";
        QTest::newRow("line break") << standard << "Acme"
                                    << "Ann\nLee"
                                    << "Acme - Ann_Lee";
        QTest::newRow("leading dots") << QStringLiteral("{RecipientName}") << ""
                                      << "..hidden"
                                      << "hidden";
        // Named after the row's line instead (LetterNames::forLine).
        QTest::newRow("empty") << QStringLiteral("{RecipientName}") << "Acme"
                               << ""
                               << "";
        QTest::newRow("only punctuation") << standard << ""
                                          << ""
                                          << "";
        // A joining literal never dangles where a value is missing.
        // A trailing dot goes, as ever: "Cardinal Freight Co.pdf".
        QTest::newRow("no contact") << standard << "Cardinal Freight Co."
                                    << ""
                                    << "Cardinal Freight Co";
        QTest::newRow("no company") << standard << ""
                                    << "Ann Lee"
                                    << "Ann Lee";
        QTest::newRow("words stay") << QStringLiteral("Letter to {CompanyName} - {RecipientName}") << "Acme"
                                    << ""
                                    << "Letter to Acme";
        QTest::newRow("brackets and case") << QStringLiteral("{[companyname]}_{recipientNAME}") << "Acme"
                                           << "Ann"
                                           << "Acme_Ann";
    }

    void namesAreSafeFileNames()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, company);
        QFETCH(QString, recipient);
        QFETCH(QString, name);
        std::array<QString, FieldCount> texts;
        texts[CompanyName] = company;
        texts[RecipientName] = recipient;
        QCOMPARE(LetterNames(pattern).nameFor(texts), name);
    }

    void aLongNameIsCutToWhatAFileSystemTakes()
    {
        std::array<QString, FieldCount> texts;
        texts[RecipientName] = QString(300, QChar(0x4F1F)); // three bytes each in UTF-8
        const QString name = LetterNames(QStringLiteral("{RecipientName}")).nameFor(texts);
        QVERIFY(name.toUtf8().size() <= 200);
        QVERIFY(!name.isEmpty());
    }

    void everyNameIsGivenOnceInARun_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QStringList>("present"); // files already in the folder
        QTest::addColumn<QStringList>("names");
        QTest::newRow("two of one name") << QStringList{"X", "X"} << QStringList{} << QStringList{"X", "X (2)"};
        QTest::newRow("a row named like a number")
                << QStringList{"X", "X", "X (2)"} << QStringList{} << QStringList{"X", "X (3)", "X (2)"};
        QTest::newRow("a number a file has")
                << QStringList{"X", "X"} << QStringList{"X (2)"} << QStringList{"X", "X (3)"};
        QTest::newRow("a name wanted once, present") << QStringList{"X"} << QStringList{"X"} << QStringList{"X"};
        QTest::newRow("letter case alone")
                << QStringList{"Acme", "ACME"} << QStringList{} << QStringList{"Acme", "ACME (2)"};
        QTest::newRow("four of one name") << QStringList{"X", "X", "X", "X (3)", "X"} << QStringList{}
                                          << QStringList{"X", "X (2)", "X (4)", "X (3)", "X (5)"};
    }

    void everyNameIsGivenOnceInARun()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, present);
        QFETCH(QStringList, names);
        const std::vector<QString> given = LetterNames::unique(
                {wanted.begin(), wanted.end()}, [&](const QString &name) { return present.contains(name); });
        QCOMPARE(QStringList(given.begin(), given.end()), names);
    }

    void patternsNameFieldsAndTheListsPlaceholders()
    {
        std::array<QString, FieldCount> texts;
        texts[CompanyName] = QStringLiteral("Acme");
        const FurtherValues further{{QStringLiteral("Phone"), QStringLiteral("555")},
                                    {QStringLiteral("Position"), QStringLiteral("Designer")}};
        const LetterNames names(QStringLiteral("{CompanyName} {position} {[PHONE]}"));
        names.check({QStringLiteral("Phone"), QStringLiteral("Position")});
        QCOMPARE(names.nameFor(texts, further), QStringLiteral("Acme Designer 555"));

        QVERIFY_THROWS_EXCEPTION(Failure, LetterNames(QStringLiteral("{Company}")).check({QStringLiteral("Phone")}));
        QVERIFY_THROWS_EXCEPTION(Failure, LetterNames(QStringLiteral("{CompanyName")));
        QVERIFY_THROWS_EXCEPTION(Failure, LetterNames(QStringLiteral("{}")));
    }
};

QTEST_GUILESS_MAIN(TestLetterList)
#include "test_letter_list.moc"
