#include <csignal>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "Failure.h"
#include "IsInstalled.h"
#include "LetterFill.h"
#include "LetterTemplate.h"
#include "LibreOfficeAutomation.h"
#include "Main.h"
#include "DocumentReader.h"
#include "OfficeJail.h"
#include "OfficeProcess.h"
#include "PageInk.h"
#include "PageSnapshotSize.h"
#include "RecordingMessenger.h"
#include "RunMark.h"
#include "ScratchFiles.h"

namespace {

// The replacement settings the generation uses, then replace-all.
void replaceAll(word::Find &find, const QString &text, const QString &replacement)
{
    find.clearFormatting();
    find.replacement().clearFormatting();
    find.setText(text);
    find.replacement().setText(replacement);
    find.setForward(true);
    find.setWrap(word::WdFindWrap::Continue);
    find.setFormat(false);
    find.setMatchCase(false);
    find.setMatchWholeWord(false);
    find.setMatchWildcards(false);
    find.setMatchSoundsLike(false);
    find.setMatchAllWordForms(false);
    find.execute({.replace = word::WdReplace::All});
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Long enough for an office told to quit to end, or to be killed.
constexpr int QuitMs = LibreOfficeAutomation::QuitTimeoutMs + 5000;

// What a descriptor of /proc/PID/fd stands for ("pipe:[1234]", a path).
QByteArray descriptorTarget(const QString &link)
{
    char target[4096];
    const ssize_t size = ::readlink(QFile::encodeName(link).constData(), target, sizeof target);
    return size > 0 ? QByteArray(target, int(size)) : QByteArray();
}

int officeChildren(qint64 parent)
{
    return int(childProcesses(parent, QStringLiteral("soffice.bin")).size());
}

} // namespace

class TestOffice : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LibreOfficeAutomation m_automation;
    std::shared_ptr<word::Application> m_office;
    std::unique_ptr<DocumentReader> m_reader;
    QString m_template;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_template = path(QStringLiteral("template.doc"));
        QFile copy(m_template);
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(templateBytes(LetterDesign::Classic));
        copy.close();
        m_office = m_automation.createApplication();
        m_reader = std::make_unique<DocumentReader>();
    }

    void cleanupTestCase()
    {
        if (m_office)
            m_office->quit();
    }

    void readOnlyOpenLeavesTheFileAsItWas()
    {
        const QByteArray before = readAll(m_template);
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        replaceAll(document->storyRanges().front()->find(), QStringLiteral("[YourName]"), QStringLiteral("Changed"));
        document->saveAs(path(QStringLiteral("elsewhere.doc")));
        document->close();
        QCOMPARE(readAll(m_template), before);
    }

    void saveAsWritesWord97ThatTheOfficeReadsBack()
    {
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        replaceAll(document->storyRanges().front()->find(), QStringLiteral("[City]"), QStringLiteral("Boise"));
        const QString saved = path(QStringLiteral("saved.doc"));
        document->saveAs(saved);
        document->close();
        // An OLE2 compound file ...
        QCOMPARE(readAll(saved).left(8), QByteArray::fromHex("d0cf11e0a1b11ae1"));
        // ... that the office detects as Word 97-2003, with the new text.
        const DocumentReader::Document read = m_reader->read(saved);
        QCOMPARE(read.filterName, QStringLiteral("MS Word 97"));
        QCOMPARE(read.paragraphs.at(2).text, QStringLiteral("Boise, [ST]  [ZIPCode]"));
    }

    void exportWritesEachFormatWithTheFilledText_data()
    {
        QTest::addColumn<word::LetterFormat>("format");
        QTest::addColumn<QString>("detectedAs"); // empty: not a text document
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("doc") << word::LetterFormat::Word97 << "MS Word 97" << QByteArray::fromHex("d0cf11e0a1b11ae1");
        QTest::newRow("docx") << word::LetterFormat::WordXml << "MS Word 2007 XML" << QByteArray("PK\x03\x04");
        QTest::newRow("odt") << word::LetterFormat::OpenDocument << "writer8" << QByteArray("PK\x03\x04");
        QTest::newRow("pdf") << word::LetterFormat::Pdf << "" << QByteArray("%PDF-");
    }

    void exportWritesEachFormatWithTheFilledText()
    {
        QFETCH(word::LetterFormat, format);
        QFETCH(QString, detectedAs);
        QFETCH(QByteArray, magic);
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        replaceAll(document->storyRanges().front()->find(), QStringLiteral("[City]"), QStringLiteral("Boise"));
        const QString exported
                = path(QStringLiteral("exported.") + QLatin1String(word::letterFormatInfo(format).suffix));
        document->exportCopy(exported, format);
        document->close();
        QVERIFY(readAll(exported).startsWith(magic));
        if (detectedAs.isEmpty())
            return;
        const DocumentReader::Document read = m_reader->read(exported);
        QCOMPARE(read.filterName, detectedAs);
        QCOMPARE(read.paragraphs.at(2).text, QStringLiteral("Boise, [ST]  [ZIPCode]"));
    }

    void replacingInOneStoryLeavesTheOthersUntouched()
    {
        auto document = m_office->documents().open(QFINDTESTDATA("data/stories.fodt"), {.readOnly = true});
        auto stories = document->storyRanges();
        QVERIFY(stories.size() >= 4); // main text, header, footer, footnotes
        replaceAll(stories.front()->find(), QStringLiteral("[name]"), QStringLiteral("Main"));
        const QString first = path(QStringLiteral("main-only.doc"));
        document->saveAs(first);

        DocumentReader::Document read = m_reader->read(first);
        QVERIFY2(read.paragraphs.at(0).text.startsWith(QStringLiteral("Body Main and Main")),
                 qPrintable(read.paragraphs.at(0).text));
        // A table in the body is part of the main text.
        QCOMPARE(read.tableCellTexts, (QStringList{QStringLiteral("Cell Main"), QStringLiteral("plain")}));
        QCOMPARE(read.primaryHeader, QStringLiteral("Header [Name]"));
        QCOMPARE(read.primaryFooter, QStringLiteral("Footer [Name]"));
        QCOMPARE(read.footnoteTexts, QStringList{QStringLiteral("Note [Name]")});
        QStringList shapeTexts = read.frameTexts + read.shapeTexts;
        shapeTexts.sort();
        QCOMPARE(
                shapeTexts,
                (QStringList{QStringLiteral("Frame [Name]"), QStringLiteral("Shape [Name]\nSecond [name] paragraph")}));

        // Now every other story, each by itself, and every shape's text.
        for (size_t i = 1; i < stories.size(); ++i)
            replaceAll(stories[i]->find(), QStringLiteral("[NAME]"), QStringLiteral("S%1").arg(i));
        int shapesWithText = 0;
        for (auto &shape : document->shapes()) {
            if (!shape->textFrame().hasText())
                continue;
            ++shapesWithText;
            shape->textFrame().textRange()->find().execute({.findText = QStringLiteral("[name]"),
                                                            .replaceWith = QStringLiteral("Shaped"),
                                                            .replace = word::WdReplace::All});
        }
        QCOMPARE(shapesWithText, 2);
        const QString second = path(QStringLiteral("all.doc"));
        document->saveAs(second);
        document->close();

        read = m_reader->read(second);
        QVERIFY(read.primaryHeader.startsWith(QStringLiteral("Header S")));
        QVERIFY(read.primaryFooter.startsWith(QStringLiteral("Footer S")));
        QVERIFY(read.primaryHeader != read.primaryFooter.replace(QStringLiteral("Footer"), QStringLiteral("Header")));
        QCOMPARE(read.footnoteTexts.size(), 1);
        QVERIFY(read.footnoteTexts.front().startsWith(QStringLiteral("Note S")));
        shapeTexts = read.frameTexts + read.shapeTexts;
        shapeTexts.sort();
        QCOMPARE(
                shapeTexts,
                (QStringList{QStringLiteral("Frame Shaped"), QStringLiteral("Shape Shaped\nSecond Shaped paragraph")}));
    }

    // The places of the placeholders, found once in every kind of story,
    // serve letter after letter: each fill leaves no trace of the one before.
    void placesInEveryStoryAreFilledLetterAfterLetter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("Ann Lee");
        QTest::newRow("special characters") << QStringLiteral("Smith & Sons $1 \\1 .* [x]");
        QTest::newRow("a later placeholder") << QStringLiteral("[Other]");
    }

    void placesInEveryStoryAreFilledLetterAfterLetter()
    {
        QFETCH(QString, text);
        const QString first = path(QStringLiteral("first.doc"));
        const QString second = path(QStringLiteral("second.doc"));
        // LibreOffice 7.4 itself can abort when it releases a drawing
        // shape's text object while it works on that text (rarely, since
        // the office layer makes few of them): the one test that fills
        // drawing shapes tries once more on a fresh office, and says so.
        constexpr int Attempts = 2;
        for (int attempt = 1; attempt <= Attempts; ++attempt) {
            try {
                auto document = m_office->documents().open(QFINDTESTDATA("data/stories.fodt"), {.readOnly = true});
                {
                    PreparedLetter letter(*document, {QStringLiteral("[name]"), QStringLiteral("[OTHER]")});
                    QCOMPARE(letter.places().count(), 9);
                    letter.fill({{QStringLiteral("[name]"), QStringLiteral("Earlier Letter")},
                                 {QStringLiteral("[OTHER]"), QString()}});
                    document->exportCopy(first, word::LetterFormat::Word97);
                    letter.fill(
                            {{QStringLiteral("[name]"), text}, {QStringLiteral("[OTHER]"), QStringLiteral("later")}});
                    document->exportCopy(second, word::LetterFormat::Word97);
                }
                document->close();
                break;
            } catch (const Failure &failure) {
                if (failure.kind() != Failure::Kind::OfficeLost || attempt == Attempts)
                    throw;
                qInfo("RETRY %d of %d: the office ended (%s); trying again on a fresh one", attempt, Attempts - 1,
                      failure.what());
                m_office = m_automation.createApplication();
            }
        }

        // Replacements run in order, so a text holding a later placeholder
        // is filled by it, as the window's steps do.
        const QString expected = text == QStringLiteral("[Other]") ? QStringLiteral("later") : text;
        DocumentReader::Document read = m_reader->read(second);
        QVERIFY2(read.paragraphs.at(0).text.startsWith(QStringLiteral("Body %1 and %1").arg(expected)),
                 qPrintable(read.paragraphs.at(0).text));
        QCOMPARE(read.tableCellTexts.value(0), QStringLiteral("Cell ") + expected);
        QCOMPARE(read.primaryHeader, QStringLiteral("Header ") + expected);
        QCOMPARE(read.primaryFooter, QStringLiteral("Footer ") + expected);
        QCOMPARE(read.footnoteTexts, QStringList{QStringLiteral("Note ") + expected});
        QStringList shapeTexts = read.frameTexts + read.shapeTexts;
        shapeTexts.sort();
        QCOMPARE(shapeTexts,
                 (QStringList{QStringLiteral("Frame ") + expected,
                              QStringLiteral("Shape %1\nSecond %1 paragraph").arg(expected)}));
        QVERIFY(!read.everyText().contains(QStringLiteral("Earlier")));
        QVERIFY(m_reader->read(first).everyText().contains(
                QStringLiteral("Shape Earlier Letter\nSecond Earlier Letter paragraph")));
    }

    void anOfficeThatEndsWhileClosingLeavesTheSavedLetterAndTheNextWorks()
    {
        auto office = m_automation.createApplication();
        const qint64 process = m_automation.lastInstanceProcessId();
        auto document = office->documents().open(m_template, {.readOnly = true});
        replaceAll(document->storyRanges().front()->find(), QStringLiteral("[YourName]"), QStringLiteral("Kept"));
        const QString saved = path(QStringLiteral("kept.doc"));
        document->saveAs(saved);
        ::kill(pid_t(process), SIGKILL); // as the office's own abort would end it
        QTRY_VERIFY(!processIsAlive(process));
        document->close(); // the document went with its office: no failure
        try {
            document->saveAs(path(QStringLiteral("never.doc")));
            QFAIL("a closed document was saved");
        } catch (const Failure &failure) {
            QVERIFY2(failure.description().contains(QStringLiteral("the document is closed")), failure.what());
        }
        QCOMPARE(m_reader->read(saved).paragraphs.at(0).text, QStringLiteral("Kept"));

        auto nextOffice = m_automation.createApplication();
        auto next = nextOffice->documents().open(m_template, {.readOnly = true});
        QVERIFY(!next->storyRanges().empty());
        next->close();
        nextOffice->quit();
    }

    void replacementTextIsTakenLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("regular-expression characters") << QStringLiteral(".*+?^$()[]{}|");
        QTest::newRow("ampersand") << QStringLiteral("Smith & Sons &");
        QTest::newRow("group reference") << QStringLiteral("$1 $0 \\1");
        QTest::newRow("backslashes") << QStringLiteral("C:\\path\\n\\t\\\\");
        QTest::newRow("tab") << QStringLiteral("before\tafter");
        QTest::newRow("1000 characters") << QString(1000, QLatin1Char('x'));
        QTest::newRow("accented") << QStringLiteral("Ærøskøbing Crème brûlée Łódź");
        QTest::newRow("non-Latin") << QStringLiteral("Привет 你好 مرحبا");
        QTest::newRow("emoji") << QStringLiteral("📄✉️ done");
        QTest::newRow("the placeholder itself") << QStringLiteral("[YourName] twice [YOURNAME]");
    }

    void replacementTextIsTakenLiterally()
    {
        QFETCH(QString, text);
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        // Letter case of the search text does not matter.
        replaceAll(document->storyRanges().front()->find(), QStringLiteral("[yourname]"), text);
        const QString saved = path(QStringLiteral("literal.doc"));
        document->saveAs(saved);
        document->close();
        const DocumentReader::Document read = m_reader->read(saved);
        QCOMPARE(read.paragraphs.at(0).text, text);
        // The typed name under the signature's line.
        QCOMPARE(read.paragraphs.at(18).text, text);
    }

    void eachPageIsRenderedWithItsText()
    {
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        QCOMPARE(document->pageCount(), 1);
        constexpr int Density = MinimumPixelsPerLogicalInch;
        const word::PagePicture page = document->renderPage(1, Density);
        const QImage &picture = page.picture;
        QVERIFY(qAbs(picture.height() - snapshotPixelHeight(Density)) <= 2);
        QVERIFY(qAbs(picture.width() - snapshotPixelWidth(Density)) <= 2); // the printed block, 6 by 10 inches
        QVERIFY(qAbs(picture.dotsPerMeterX() - 5669) <= 1);
        // Text near the top left (the sender's name, below the first
        // page's empty header), white paper elsewhere.
        int dark = 0;
        for (int y = 0; y < Density; ++y)
            for (int x = 0; x < 100; ++x)
                dark += qGray(picture.pixel(x, y)) < 100;
        QVERIFY(dark > 20);
        QCOMPARE(qGray(picture.pixel(picture.width() - 5, picture.height() - 5)), 255);
        QVERIFY(page.text.startsWith(QStringLiteral("[YourName]")));
        QVERIFY(page.text.contains(QStringLiteral("Sincerely,")));

        // A street long enough to push the letter onto a second page.
        const QString longStreet = QStringLiteral("Overflowing Street ").repeated(150).trimmed();
        PreparedLetter(*document, {QStringLiteral("[StreetAddress2]")})
                .fill({{QStringLiteral("[StreetAddress2]"), longStreet}});
        QCOMPARE(document->pageCount(), 2);
        const word::PagePicture second = document->renderPage(2, Density);
        QCOMPARE(second.picture.size(), picture.size());
        QVERIFY(second.text.contains(QStringLiteral("Sincerely,")));
        // The later pages' header, whole, as that page shows it.
        QVERIFY2(second.text.startsWith(QStringLiteral("[Recipient Name]\n")), qPrintable(second.text));
        QCOMPARE(second.text.section(QLatin1Char('\n'), 2, 2), QStringLiteral("Page 2"));
        QVERIFY(inkRows(second.picture).first() < Density / 10);
        QVERIFY(!document->renderPage(1, Density).text.contains(QStringLiteral("Sincerely,")));
        QVERIFY_THROWS_EXCEPTION(Failure, document->renderPage(3, Density));
        document->close(word::WdSaveOptions::DoNotSaveChanges);
    }

    void aPageKeepsItsHeaderFooterListsTablesAndEveryGlyph()
    {
        auto document = m_office->documents().open(QFINDTESTDATA("data/page-parts.fodt"), {.readOnly = true});
        QCOMPARE(document->pageCount(), 2);
        constexpr int Density = MinimumPixelsPerLogicalInch;
        const word::PagePicture first = document->renderPage(1, Density);
        QCOMPARE(first.text,
                 QStringLiteral("HEADER OF THE LETTER, page 1\nPlease send the alerts first. I\nDear reader,\n"
                                "\u2022 First point\n\u2022 Second point\nStart\nMonday\n"
                                "Footer of the letter"));
        // The "I" set flush against the right margin is drawn whole, in
        // the millimetre of paper beyond it.
        const int bleed = qRound(Density / 25.4);
        const int rightInk = inkColumns(first.picture).last();
        QVERIFY2(rightInk < first.picture.width() - 2 && rightInk > first.picture.width() - 2 * bleed,
                 qPrintable(QStringLiteral("%1 of %2").arg(rightInk).arg(first.picture.width())));
        // Header on top, footer at the foot, on every page.
        const word::PagePicture second = document->renderPage(2, Density);
        QCOMPARE(second.text, QStringLiteral("HEADER OF THE LETTER, page 2\nThe second page.\nFooter of the letter"));
        for (const QImage &picture : {first.picture, second.picture}) {
            QVERIFY(inkRows(picture).first() < 2 * bleed + Density / 10);
            QVERIFY(inkRows(picture).last() > picture.height() - 2 * bleed - Density / 10);
        }
        // The whole sheet: A4, as high as the block's picture in logical
        // units, with the paper's margins white.
        const QImage &sheet = second.wholePage;
        QVERIFY(qAbs(double(sheet.width()) / sheet.height() - 210.0 / 297.0) < 0.01);
        QCOMPARE(qRound(sheet.height() / (sheet.dotsPerMeterY() * 0.0254) * 1440), SnapshotLogicalHeightTwips);
        const int margin = sheet.width() * 25 / 210;
        QVERIFY(inkColumns(sheet).first() >= margin - 2 && inkColumns(sheet).last() <= sheet.width() - margin + 2);
        document->close(word::WdSaveOptions::DoNotSaveChanges);
    }

    void failuresCarryAClearMessage()
    {
        try {
            m_office->documents().open(path(QStringLiteral("missing.doc")));
            QFAIL("opening a missing file succeeded");
        } catch (const Failure &f) {
            QVERIFY(f.description().contains(QStringLiteral("missing.doc")));
        }
        auto document = m_office->documents().open(m_template, {.readOnly = true});
        try {
            document->saveAs(m_template + QStringLiteral("/x.doc"));
            QFAIL("saving below a file succeeded");
        } catch (const Failure &f) {
            // The user reads what happened, in the office's words; the
            // office call's name goes to the log only.
            QVERIFY2(f.description().startsWith(QStringLiteral("The office could not go on: ")), f.what());
            QVERIFY2(!f.description().contains(QStringLiteral("SaveAs")), f.what());
        }
        document->close();
        QVERIFY_THROWS_EXCEPTION(Failure, document->range());
    }

    void quitEndsTheOfficeProcess()
    {
        const int before = officeChildren(QCoreApplication::applicationPid());
        auto office = m_automation.createApplication();
        QCOMPARE(officeChildren(QCoreApplication::applicationPid()), before + 1);
        office->quit();
        // Nobody waits for the process, but it goes.
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren(QCoreApplication::applicationPid()), before, QuitMs);
        QVERIFY_THROWS_EXCEPTION(Failure, office->documents().open(m_template));
    }

    void anOperationCutShortStillEndsItsOffice()
    {
        const int before = officeChildren(QCoreApplication::applicationPid());
        try {
            auto office = m_automation.createApplication();
            office->documents().open(path(QStringLiteral("missing.doc")));
        } catch (const Failure &) { }
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren(QCoreApplication::applicationPid()), before, QuitMs);
    }

    // A descriptor the program holds without close-on-exec (a library's
    // pipe, made on another thread as an office starts) reaches none of
    // the processes it starts; the offices' guard holds its own alone.
    void theProcessesStartedHoldNoDescriptorOfTheProgram()
    {
        int library[2];
        QVERIFY(::pipe(library) == 0);
        const QByteArray pipe = descriptorTarget(QStringLiteral("/proc/self/fd/%1").arg(library[0]));
        auto office = m_automation.createApplication();
        QStringList leaks;
        const qint64 self = QCoreApplication::applicationPid();
        for (const QString program : {"bwrap", "soffice.bin", "sh"}) {
            for (const qint64 pid : childProcesses(self, program)) {
                const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
                for (const QString &fd : QDir(fds).entryList(QDir::System | QDir::NoDotAndDotDot)) {
                    // The guard's shell may keep copies of its standard
                    // descriptors.
                    const QByteArray target = descriptorTarget(fds + u'/' + fd);
                    bool standard = false;
                    for (const char *own : {"/0", "/1", "/2"})
                        standard = standard || target == descriptorTarget(fds + QLatin1String(own));
                    if (fd.toInt() > 2 && (target == pipe || (program == u"sh" && !standard)))
                        leaks << QStringLiteral("%1 (%2): %3 %4").arg(program).arg(pid).arg(fd, target);
                }
            }
        }
        office->quit();
        ::close(library[0]);
        ::close(library[1]);
        QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(u'\n')));
    }

    void theOfficeDiesWithAProgramKilledBySigkill()
    {
        QProcess child;
        child.start(QStringLiteral(OFFICE_CHILD_PROGRAM), {});
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
        const auto offices = childProcesses(child.processId(), QStringLiteral("soffice.bin"));
        QCOMPARE(offices.size(), size_t(1));
        const qint64 childPid = child.processId();
        // Another user's process that carries the program's mark is not the
        // program's to end (given where root runs the test).
        QProcess othersProcess;
        if (::getuid() == 0) {
            QProcessEnvironment marked = QProcessEnvironment::systemEnvironment();
            marked.insert(QLatin1String(OfficeProcess::ProgramVariable), QString::number(childPid));
            othersProcess.setProcessEnvironment(marked);
            othersProcess.start(QStringLiteral("setpriv"),
                                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                 QStringLiteral("--clear-groups"), QStringLiteral("sleep"), QStringLiteral("60")});
            QVERIFY(othersProcess.waitForStarted());
        }
        ::kill(pid_t(childPid), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!processIsAlive(offices.front()), 10000);

        // Its profile folder and its pipe sockets stay behind until a later
        // run removes them; those of running programs, this one's
        // included, are kept.
        const QString pattern = QStringLiteral("tessaline-office-%1-*");
        const QDir profiles(OfficeProcess::profilesFolder());
        QCOMPARE(profiles.entryList({pattern.arg(childPid)}, QDir::Dirs).size(), 1);
        const QString childProfile = profiles.filePath(profiles.entryList({pattern.arg(childPid)}, QDir::Dirs).front());
        const QString singleInstancePipe = OfficeProcess::socketPaths(childProfile).front();
        QVERIFY(QFileInfo(singleInstancePipe).exists());
        const QDir sockets(QStringLiteral("/tmp"));
        const QString childPipes = QStringLiteral("OSL_PIPE_%1_tessaline-%2-*").arg(::getuid()).arg(childPid);
        QCOMPARE(sockets.entryList({childPipes}, QDir::System).size(), 1);
        QTemporaryDir ours(profiles.filePath(
                QStringLiteral("tessaline-office-%1-XXXXXX").arg(QCoreApplication::applicationPid())));
        OfficeProcess::removeLeftoversOfDeadRuns();
        QVERIFY(profiles.entryList({pattern.arg(childPid)}, QDir::Dirs).isEmpty());
        QVERIFY(QFileInfo::exists(ours.path()));
        // Its two sockets (connection and single-instance pipe) are gone.
        QVERIFY(sockets.entryList({childPipes}, QDir::System).isEmpty());
        QVERIFY(!QFileInfo(singleInstancePipe).exists());
        // The guard's one pass over the processes takes well under this.
        if (::getuid() == 0) {
            QVERIFY(!othersProcess.waitForFinished(500));
            othersProcess.kill();
            othersProcess.waitForFinished();
        }
    }

    // An ended run's profile names its office's pipe; the office could
    // have written that file. A name of another form than the program's own
    // leads to no removal: here one that would reach a link of the user's.
    void aDeadProfilesPipeNameIsTakenOnlyInTheProgramsOwnForm()
    {
        const QDir profiles(OfficeProcess::profilesFolder());
        QVERIFY(QDir().mkpath(profiles.path()));
        const QString profile = profiles.filePath(QStringLiteral("tessaline-office-999999-planted"));
        QVERIFY(QDir().mkpath(profile));
        QFile mark(profile + QLatin1Char('/') + QLatin1String(RunMark::LockFileName));
        QVERIFY(mark.open(QIODevice::WriteOnly)); // no run holds it: an ended run
        mark.close();
        QTemporaryDir users;
        const QString link = users.filePath(QStringLiteral("the-users-link"));
        QVERIFY(QFile::link(QStringLiteral("/etc/hostname"), link));
        const QString step = QStringLiteral("/tmp/OSL_PIPE_%1_x").arg(::getuid());
        QVERIFY(QDir().mkpath(step));
        const auto removeStep = qScopeGuard([&] { QDir(step).removeRecursively(); });
        QFile named(profile + QStringLiteral("/connection-pipe"));
        QVERIFY(named.open(QIODevice::WriteOnly));
        named.write(QStringLiteral("x/../../..%1").arg(link).toUtf8());
        named.close();

        OfficeProcess::removeLeftoversOfDeadRuns();
        QVERIFY(!QFileInfo::exists(profile)); // the ended run's profile goes
        QVERIFY(QFileInfo(link).isSymLink()); // what its name reached stays
    }

    // Whoever runs the program, root included, its office holds no
    // capability in its jail.
    // Whoever runs the program (root in CI): the office has no capability,
    // sees only its jail's processes, runs under the system-call filter,
    // and has nothing of the program's environment.
    void theJailedOfficeHoldsNothingOfTheHost()
    {
        if (!OfficeJail::available())
            QSKIP("the jail cannot run on this computer");
        qputenv("TESSALINE_PRIVATE_PROBE", "the user's own");
        const auto unset = qScopeGuard([] { qunsetenv("TESSALINE_PRIVATE_PROBE"); });
        const auto office = m_automation.createApplication();
        const qint64 pid = office->processId();
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        QVERIFY(status.open(QIODevice::ReadOnly));
        const QByteArray text = status.readAll();
        QVERIFY2(text.contains("soffice"), text.constData());
        for (const QByteArray &line :
             {QByteArray("CapEff:\t0000000000000000"), QByteArray("Seccomp:\t2"), QByteArray("NoNewPrivs:\t1")})
            QVERIFY2(text.contains(line), line.constData());
        // Its own pid namespace: its id there is the second of the line.
        const QByteArray nspid = text.mid(text.indexOf("NSpid:")).split('\n').value(0);
        QCOMPARE(nspid.simplified().split(' ').size(), 3);
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        QVERIFY(environ.open(QIODevice::ReadOnly));
        const QList<QByteArray> variables = environ.readAll().split('\0');
        QVERIFY(!variables.contains("TESSALINE_PRIVATE_PROBE=the user's own"));
        QVERIFY(variables.contains("HOME=" + QByteArray(OfficeJail::OfficeHome)));
        office->quit();
    }

    // The print service's socket is in reach of a print job's office, and
    // of no other: read from the jail's own argument list (the first
    // process of its namespace, the office's parent), so that it shows on
    // a computer without a print service too.
    void onlyAPrintJobsOfficeReachesThePrintService_data()
    {
        QTest::addColumn<bool>("printing"); // and so reaches the print service
        QTest::newRow("a letter's office") << false;
        QTest::newRow("a print job's office") << true;
    }

    void onlyAPrintJobsOfficeReachesThePrintService()
    {
        QFETCH(bool, printing);
        if (!OfficeJail::available())
            QSKIP("the jail cannot run on this computer");
        const auto office = m_automation.createApplication(
                nullptr, printing ? word::OfficeUse::Printing : word::OfficeUse::Letter);
        QFile status(QStringLiteral("/proc/%1/status").arg(office->processId()));
        QVERIFY(status.open(QIODevice::ReadOnly));
        const QByteArray text = status.readAll();
        const qsizetype field = text.indexOf("PPid:");
        const QByteArray parent = text.mid(field + 5, text.indexOf('\n', field) - field - 5).trimmed();
        QFile jail(QStringLiteral("/proc/%1/cmdline").arg(QString::fromLatin1(parent)));
        QVERIFY(jail.open(QIODevice::ReadOnly));
        const QByteArray arguments = jail.readAll();
        QVERIFY2(arguments.contains("--unshare-pid"), arguments.constData()); // the jail, not the program
        const QByteArray binding = QByteArray(OfficeJail::PrintServiceFolder) + '\0' + OfficeJail::PrintServiceFolder;
        QCOMPARE(arguments.contains(binding), printing);
        office->quit();
    }

    void withNoOfficeThereIsNoInstanceAndTheCheckSaysSo()
    {
        const std::unique_ptr<word::Automation> automation
                = word::makeOfficeAutomation({.officeProgram = QStringLiteral("/nonexistent/soffice.bin")});
        QVERIFY_THROWS_EXCEPTION(Failure, automation->createApplication());
        RecordingMessenger messenger;
        QVERIFY(!CheckWordInstalled(*automation, messenger));
        QCOMPARE(messenger.messages.size(), size_t(1));
        // The office-missing message, and below it what went wrong.
        const QString text = messenger.messages[0].text;
        QVERIFY(text.startsWith(officeMissingMessage() + QStringLiteral("\r\n\r\nReason: ")));
        QVERIFY2(text.contains(QStringLiteral("No LibreOffice installation was found")), qPrintable(text));
    }

    void theStartUpCheckNeedsNoTemporaryFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("a file, not a folder") << QStringLiteral("file");
    }

    void theStartUpCheckNeedsNoTemporaryFolder()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString temp = dir.filePath(QStringLiteral("no-such-folder"));
        if (kind == QLatin1String("file")) {
            temp = dir.filePath(QStringLiteral("a-file"));
            QFile file(temp);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp));
        LibreOfficeAutomation automation;
        RecordingMessenger messenger;
        const bool passed = CheckWordInstalled(automation, messenger);
        qputenv("TMPDIR", saved);
        QVERIFY2(passed, qPrintable(messenger.texts().join(QLatin1Char('\n'))));
        QVERIFY(messenger.messages.empty());
    }

    void theStartUpCheckPassesWithTheRealOffice()
    {
        const int before = officeChildren(QCoreApplication::applicationPid());
        RecordingMessenger messenger;
        QVERIFY(CheckWordInstalled(m_automation, messenger));
        QVERIFY(messenger.messages.empty());
        QTRY_COMPARE_WITH_TIMEOUT(officeChildren(QCoreApplication::applicationPid()), before, QuitMs);
    }
};

QTEST_MAIN(TestOffice)
#include "test_office.moc"
