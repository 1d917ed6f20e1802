// Templates written by someone who wants the letter to carry the user's
// files away, or to tell a server that a letter is being made: links to a
// local file or to a web address in every form a template can hold them.
// A letter is made from each through the real office, as the window makes
// it (fill, save, page picture, export) and as the batch makes it (every
// format); no byte of the linked file may appear in anything written, and
// no request may reach the listener.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "LetterRun.h"
#include "LibreOfficeAutomation.h"
#include "OfficeJail.h"
#include "OfficeJob.h"
#include "RunProgram.h"
#include "TestFiles.h"

namespace {
// Counts the connections made to a port on 127.0.0.1 and answers each with
// "404 Not Found" at once. Bounded: it takes at most MaxConnections and
// ends with the object.
class LocalListener
{
public:
    static constexpr int MaxConnections = 200;

    LocalListener()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), length) != 0
            || ::listen(m_socket, 16) != 0
            || ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }

    ~LocalListener()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_socket >= 0)
            ::close(m_socket);
    }

    int port() const { return m_port; }
    int connections() const { return m_connections; }
    QString url(const QString &name) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(name); }

private:
    void serve()
    {
        while (!m_stop && m_connections < MaxConnections) {
            pollfd waiting{m_socket, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0)
                continue;
            const int client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            ++m_connections;
            pollfd request{client, POLLIN, 0};
            char buffer[4096];
            if (::poll(&request, 1, 1000) > 0) [[maybe_unused]]
                const ssize_t ignored = ::read(client, buffer, sizeof buffer);
            static const char answer[] = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
            [[maybe_unused]] const ssize_t written = ::write(client, answer, sizeof answer - 1);
            ::close(client);
        }
    }

    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
};

// Sees every opening and reading of some files, by any process.
class ReadWatch
{
public:
    explicit ReadWatch(const QStringList &files) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        for (const QString &file : files)
            ::inotify_add_watch(m_fd, QFile::encodeName(file).constData(), IN_ACCESS | IN_OPEN);
    }
    ~ReadWatch() { ::close(m_fd); }

    // How often a watched file was opened or read since the last call.
    int events()
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t length; (length = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                count += (event->mask & (IN_ACCESS | IN_OPEN)) != 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

private:
    int m_fd;
};

QString fileUrlOf(const QString &path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

// Packs the files of a folder into a zip package (the "mimetype" entry
// first and uncompressed, as OpenDocument wants it).
bool zipFolder(const QString &folder, const QString &package)
{
    ProgramOptions inFolder;
    inFolder.workingFolder = folder;
    auto zip = [&](const QStringList &arguments) {
        return runProgram(QStringLiteral("zip"), arguments, inFolder).exitCode == 0;
    };
    QFile::remove(package);
    if (QFile::exists(QDir(folder).filePath(QStringLiteral("mimetype")))
        && !zip({QStringLiteral("-X0q"), package, QStringLiteral("mimetype")}))
        return false;
    return zip(
            {QStringLiteral("-Xrq"), package, QStringLiteral("."), QStringLiteral("-x"), QStringLiteral("mimetype")});
}

void writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, text.toUtf8());
}

// An OpenDocument text whose body holds `body`, and whose own settings ask
// for every link to be updated without asking.
bool makeOdt(const QString &path, const QString &body)
{
    QTemporaryDir parts;
    writeText(parts.filePath(QStringLiteral("mimetype")), QStringLiteral("application/vnd.oasis.opendocument.text"));
    writeText(
            parts.filePath(QStringLiteral("META-INF/manifest.xml")),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                           "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                           "manifest:version=\"1.3\">"
                           "<manifest:file-entry manifest:full-path=\"/\" "
                           "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
                           "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
                           "<manifest:file-entry manifest:full-path=\"settings.xml\" manifest:media-type=\"text/xml\"/>"
                           "</manifest:manifest>"));
    writeText(parts.filePath(QStringLiteral("settings.xml")),
              QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                      "<office:document-settings xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                      "xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\" "
                      "office:version=\"1.3\"><office:settings>"
                      "<config:config-item-set config:name=\"ooo:configuration-settings\">"
                      "<config:config-item config:name=\"LinkUpdateMode\" config:type=\"short\">2</config:config-item>"
                      "<config:config-item config:name=\"FieldAutoUpdate\" "
                      "config:type=\"boolean\">true</config:config-item>"
                      "</config:config-item-set></office:settings></office:document-settings>"));
    writeText(
            parts.filePath(QStringLiteral("content.xml")),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                           "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                           "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                           "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
                           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" office:version=\"1.3\">"
                           "<office:body><office:text><text:p>Dear [RecipientName],</text:p>%1"
                           "<text:p>Yours, [YourName]</text:p></office:text></office:body></office:document-content>")
                    .arg(body));
    return zipFolder(parts.path(), path);
}

QString odtFrame(const QString &element, const QString &url)
{
    return QStringLiteral("<text:p><draw:frame draw:name=\"Linked\" text:anchor-type=\"as-char\" svg:width=\"4cm\" "
                          "svg:height=\"2cm\"><draw:%1 xlink:href=\"%2\" xlink:type=\"simple\" xlink:show=\"embed\" "
                          "xlink:actuate=\"onLoad\"/></draw:frame></text:p>")
            .arg(element, url.toHtmlEscaped());
}

QString odtSection(const QString &url)
{
    return QStringLiteral("<text:section text:name=\"Linked\"><text:section-source xlink:href=\"%1\" "
                          "xlink:type=\"simple\"/><text:p>cached text</text:p></text:section>")
            .arg(url.toHtmlEscaped());
}

// A Word 2007-365 document whose body holds `body` and whose relations
// include `relations`; its settings ask for the fields to be updated.
bool makeDocx(const QString &path, const QString &body, const QString &relations)
{
    QTemporaryDir parts;
    writeText(
            parts.filePath(QStringLiteral("[Content_Types].xml")),
            QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" "
                    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                    "<Override PartName=\"/word/document.xml\" "
                    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
                    "<Override PartName=\"/word/settings.xml\" "
                    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
                    "</Types>"));
    writeText(parts.filePath(QStringLiteral("_rels/.rels")),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId1\" "
                             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                             "officeDocument\" Target=\"word/document.xml\"/></Relationships>"));
    writeText(parts.filePath(QStringLiteral("word/_rels/document.xml.rels")),
              QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"rIdSettings\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                      "relationships/settings\" Target=\"settings.xml\"/>%1</Relationships>")
                      .arg(relations));
    writeText(parts.filePath(QStringLiteral("word/settings.xml")),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                             "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                             "<w:updateFields w:val=\"true\"/></w:settings>"));
    writeText(parts.filePath(QStringLiteral("word/document.xml")),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                             "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                             "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                             "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
                             "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
                             "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><w:body>"
                             "<w:p><w:r><w:t>Dear [RecipientName],</w:t></w:r></w:p>%1"
                             "<w:p><w:r><w:t>Yours, [YourName]</w:t></w:r></w:p></w:body></w:document>")
                      .arg(body));
    return zipFolder(parts.path(), path);
}

QString docxRelation(const QString &id, const QString &type, const QString &target)
{
    return QStringLiteral("<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships/%2\" Target=\"%3\" TargetMode=\"External\"/>")
            .arg(id, type, target.toHtmlEscaped());
}

QString docxField(const QString &instruction)
{
    return QStringLiteral(
                   "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText xml:space=\"preserve\"> "
                   "%1 </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>cached "
                   "text</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>")
            .arg(instruction.toHtmlEscaped());
}

QString docxLinkedPicture()
{
    return QStringLiteral(
            "<w:p><w:r><w:drawing><wp:inline><wp:extent cx=\"360000\" cy=\"360000\"/><wp:docPr id=\"1\" "
            "name=\"Pixel\"/>"
            "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
            "<pic:nvPicPr><pic:cNvPr id=\"1\" name=\"Pixel\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill>"
            "<a:blip r:link=\"rIdLink\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm>"
            "<a:off x=\"0\" y=\"0\"/><a:ext cx=\"360000\" cy=\"360000\"/></a:xfrm><a:prstGeom "
            "prst=\"rect\"/></pic:spPr>"
            "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>");
}

QString rtfField(const QString &instruction)
{
    return QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0 Dear [RecipientName],\\par "
                          "{\\field{\\*\\fldinst %1}{\\fldrslt cached text}}\\par Yours, [YourName]\\par}")
            .arg(instruction);
}

// Writes a template of one kind ("odt-image": an OpenDocument text with a
// linked image) whose link points at `link`.
bool makeTemplate(const QString &file, const QString &kind, const QString &link)
{
    if (kind == u"odt-object")
        return makeOdt(file, odtFrame(QStringLiteral("object"), link));
    if (kind == u"odt-image")
        return makeOdt(file, odtFrame(QStringLiteral("image"), link));
    if (kind == u"odt-section")
        return makeOdt(file, odtSection(link));
    if (kind == u"docx-image")
        return makeDocx(file, docxLinkedPicture(),
                        docxRelation(QStringLiteral("rIdLink"), QStringLiteral("image"), link));
    if (kind == u"docx-includetext")
        return makeDocx(file, docxField(QStringLiteral("INCLUDETEXT \"%1\"").arg(link)), {});
    if (kind == u"rtf-includetext") {
        writeText(file, rtfField(QStringLiteral("INCLUDETEXT \"%1\"").arg(link)));
        return true;
    }
    // \d: the picture is linked rather than kept in the document.
    if (kind == u"rtf-includepicture" || kind == u"rtf-includepicture-linked") {
        const QString linked = kind.endsWith(u"linked") ? QStringLiteral(" \\\\d") : QString();
        writeText(file, rtfField(QStringLiteral("INCLUDEPICTURE \"%1\"%2").arg(link, linked)));
        return true;
    }
    // Fields that print the document's own path.
    if (kind == u"odt-filename")
        return makeOdt(file,
                       QStringLiteral("<text:p>Dear [RecipientName], <text:file-name text:display=\"full\">"
                                      "cached text</text:file-name></text:p>"));
    if (kind == u"rtf-filename") {
        writeText(file, rtfField(QStringLiteral("FILENAME \\\\p")));
        return true;
    }
    return false;
}

// What a tool of the distribution prints about a file.
QByteArray toolOutput(const QString &tool, const QStringList &arguments)
{
    const ProgramRun run = runProgram(tool, arguments);
    if (!run.finished)
        return QByteArray("<") + tool.toUtf8() + QByteArray(" did not end>");
    return run.out.toUtf8();
}

// Everything a file holds that a reader could see: its bytes, the
// unpacked parts of a zip package, the text of a PDF.
QByteArray readableContents(const QString &path)
{
    QByteArray bytes = readAll(path);
    if (bytes.startsWith("PK\x03\x04"))
        bytes += toolOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), path});
    else if (bytes.startsWith("%PDF-"))
        bytes += toolOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                         .simplified()
                         .replace(' ', QByteArray());
    return bytes;
}

bool holds(const QByteArray &contents, const QString &secret)
{
    const QByteArray utf16(reinterpret_cast<const char *>(secret.utf16()), secret.size() * 2);
    return contents.contains(secret.toUtf8()) || contents.contains(utf16);
}
} // namespace

class TestHostileTemplate : public QObject
{
    Q_OBJECT

    // The offices here see no folder of the tests': the jail alone is tried.
    const bool m_jailShared = (OfficeJail::shareWithOffices({}), true);
    QTemporaryDir m_dir;
    LocalListener m_listener;
    LibreOfficeAutomation m_office;
    QString m_secret;      // the local file a template links to
    QString m_secretImage; // a local picture a template links to
    QString m_secretText;  // what both hold

    QString path(const QString &name) const { return m_dir.filePath(name); }

    ProgramOptions batchOptions() const
    {
        ProgramOptions options;
        QProcessEnvironment &env = options.environment;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("temp"), path(QStringLiteral("scratch")));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return options;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_listener.port() > 0);
        QVERIFY(QDir().mkpath(path(QStringLiteral("scratch"))));
        m_secretText = QStringLiteral("TESSALINE-PRIVATE-%1")
                               .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
        m_secret = path(QStringLiteral("private notes.txt"));
        writeText(m_secret, m_secretText + QStringLiteral("\nmy bank PIN and other private things\n"));
        m_secretImage = path(QStringLiteral("private-picture.svg"));
        writeText(m_secretImage,
                  QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"40\">"
                                 "<text x=\"0\" y=\"30\" font-size=\"20\">%1</text></svg>")
                          .arg(m_secretText));
        writeFile(path(QStringLiteral("one.csv")), "RecipientName,CompanyName\nVore Vurud,Arudaziz\n");
        qputenv("temp", QFile::encodeName(path(QStringLiteral("scratch"))));
    }

    void noLinkIsFollowed_data()
    {
        QTest::addColumn<QString>("kind");
        // "file": the private file, "picture": the private picture, "web": the listener
        QTest::addColumn<QString>("target");
        QTest::newRow("OpenDocument object linked to a local file") << "odt-object"
                                                                    << "file";
        QTest::newRow("OpenDocument object linked to a web address") << "odt-object"
                                                                     << "web";
        QTest::newRow("OpenDocument image linked to a local file") << "odt-image"
                                                                   << "picture";
        QTest::newRow("OpenDocument image linked to a web address") << "odt-image"
                                                                    << "web";
        QTest::newRow("OpenDocument section linked to a local file") << "odt-section"
                                                                     << "file";
        QTest::newRow("OpenDocument section linked to a web address") << "odt-section"
                                                                      << "web";
        QTest::newRow("Word picture linked to a local file") << "docx-image"
                                                             << "picture";
        QTest::newRow("Word picture linked to a web address") << "docx-image"
                                                              << "web";
        QTest::newRow("Word INCLUDETEXT of a local file") << "docx-includetext"
                                                          << "file";
        QTest::newRow("RTF INCLUDETEXT of a local file") << "rtf-includetext"
                                                         << "file";
        // The RTF import embeds a picture it can reach whatever the
        // office's settings: the jail alone keeps the user's files away.
        QTest::newRow("RTF INCLUDEPICTURE of a local picture") << "rtf-includepicture"
                                                               << "picture";
        QTest::newRow("RTF INCLUDEPICTURE of a web address") << "rtf-includepicture"
                                                             << "web";
        QTest::newRow("RTF INCLUDEPICTURE \\d of a local picture") << "rtf-includepicture-linked"
                                                                   << "picture";
        QTest::newRow("RTF INCLUDEPICTURE \\d of a web address") << "rtf-includepicture-linked"
                                                                 << "web";
        // Through the program's own root as /proc shows it: root reached
        // every process's this way while the jail shared the host's pids.
        QTest::newRow("RTF INCLUDEPICTURE through /proc/PID/root") << "rtf-includepicture"
                                                                   << "proc-root";
        QTest::newRow("RTF INCLUDEPICTURE \\d through /proc/PID/root") << "rtf-includepicture-linked"
                                                                       << "proc-root";
        // The file-name fields print the letter's own path: nothing of the
        // user's folders, name or the program's process may show.
        QTest::newRow("OpenDocument file name in full") << "odt-filename"
                                                        << "own-path";
        QTest::newRow("RTF FILENAME \\p") << "rtf-filename"
                                          << "own-path";
    }

    void noLinkIsFollowed()
    {
        QFETCH(QString, kind);
        QFETCH(QString, target);
        const QString local = target == u"proc-root"
                ? QStringLiteral("/proc/%1/root%2").arg(QCoreApplication::applicationPid()).arg(m_secretImage)
                : target == u"picture" ? m_secretImage
                                       : m_secret;
        const QString link = target == u"web" ? m_listener.url(kind + QStringLiteral(".png"))
                : kind.contains(u"include")   ? local
                                              : fileUrlOf(local);
        const QString mine = path(QStringLiteral("template-%1.%2").arg(kind, kind.section(u'-', 0, 0)));
        QVERIFY(makeTemplate(mine, kind, link));
        const int requestsBefore = m_listener.connections();
        ReadWatch watch({m_secret, m_secretImage});
        QStringList written;

        // The window: fill, save, page pictures, then an export of the saved letter.
        const MadeLetter made = makeLetter(m_office, sampleRequest(mine));
        QVERIFY2(made.canShow(), qPrintable(reportTexts(made).join(u'\n')));
        written << made.document;
        const QString exported = path(kind + QStringLiteral("-") + target + QStringLiteral("-window.pdf"));
        std::unique_ptr<OfficeJob> job
                = OfficeJob::exportLetter(m_office, made.document, exported, word::LetterFormat::Pdf);
        job->start();
        job->waitForWorker();
        job->complete();
        written << exported;

        // The batch: every format from the template loaded once.
        const QString out = path(kind + QStringLiteral("-") + target);
        const ProgramRun batch = runProgram(QStringLiteral(TESSALINE_PROGRAM),
                                            {QStringLiteral("--batch"), path(QStringLiteral("one.csv")),
                                             QStringLiteral("--out"), out, QStringLiteral("--template"), mine,
                                             QStringLiteral("--format"), QStringLiteral("doc,docx,odt,pdf"),
                                             // No sender is stored here: what the links reach is the point.
                                             QStringLiteral("--allow-empty"), QStringLiteral("YourName")},
                                            batchOptions());
        QVERIFY2(batch.exitCode == 0, qPrintable(batch.errors));
        for (const QString &file : QDir(out).entryList(QDir::Files))
            written << QDir(out).filePath(file);
        QCOMPARE(written.size(), 6);

        QCOMPARE(watch.events(), 0); // the private files were never opened
        for (const QString &file : std::as_const(written)) {
            const QByteArray contents = readableContents(file);
            QVERIFY2(!holds(contents, m_secretText), qPrintable(file + QStringLiteral(" holds the private file")));
            // The scratch folder's path names the user's temporary folder,
            // user id and the program's process id.
            QVERIFY2(!holds(contents, path(QStringLiteral("scratch"))),
                     qPrintable(file + QStringLiteral(" names the scratch folder")));
        }
        QCOMPARE(m_listener.connections() - requestsBefore, 0);
    }

    // A link to something that is no picture (a text the jail shows, the
    // office's own environment) leaves the picture out of the letter, and
    // says so in one line; the letter is still made.
    void aPictureLinkToSomethingElseLeavesThePictureOut_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("target");
        for (const char *kind : {"odt-image", "docx-image", "rtf-includepicture", "rtf-includepicture-linked"})
            for (const char *target : {"/etc/hostname", "/proc/self/environ"})
                QTest::addRow("%s to %s", kind, target) << kind << target;
    }

    void aPictureLinkToSomethingElseLeavesThePictureOut()
    {
        QFETCH(QString, kind);
        QFETCH(QString, target);
        const QString mine = path(QStringLiteral("not-a-picture.%1").arg(kind.section(u'-', 0, 0)));
        QVERIFY(makeTemplate(mine, kind, kind.contains(u"include") ? target : fileUrlOf(target)));
        const MadeLetter made = makeLetter(m_office, sampleRequest(mine));
        QVERIFY2(made.canShow(), qPrintable(reportTexts(made).join(u'\n')));
        // Said where the office refused the file for it (RTF), not otherwise.
        QCOMPARE(made.templateNotice.contains(target), kind.startsWith(u"rtf"));
        const QString out = path(QStringLiteral("not-a-picture-%1").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        const ProgramRun batch = runProgram(QStringLiteral(TESSALINE_PROGRAM),
                                            {QStringLiteral("--batch"), path(QStringLiteral("one.csv")),
                                             QStringLiteral("--out"), out, QStringLiteral("--template"), mine,
                                             QStringLiteral("--allow-empty"), QStringLiteral("YourName")},
                                            batchOptions());
        QVERIFY2(batch.exitCode == 0, qPrintable(batch.errors));
        QCOMPARE(batch.errors.count(QStringLiteral("the letter is made without it")), kind.startsWith(u"rtf") ? 1 : 0);
    }

    // A template or letter text that is a pipe nobody writes, a device that
    // never ends, a folder or a file too large for any letter: told in
    // plain words, naming the file and what it is, by the window and by
    // the batch, neither of which may hang or fill its memory.
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("role"); // "template" or "letter text"
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        for (const QString &role : {QStringLiteral("template"), QStringLiteral("letter text")}) {
            const auto row
                    = [&](const char *what) { return (role + QStringLiteral(": ") + QLatin1String(what)).toUtf8(); };
            QTest::newRow(row("a named pipe").constData()) << role << "fifo"
                                                           << "is a named pipe (FIFO), not a regular file";
            QTest::newRow(row("a link to /dev/zero").constData()) << role << "zero"
                                                                  << "is a device, not a regular file";
            QTest::newRow(row("a folder").constData()) << role << "folder"
                                                       << "is a folder, not a regular file";
            QTest::newRow(row("too large").constData())
                    << role << "oversized" << (role == u"template" ? "is larger than 50 MB" : "is larger than 1 MB");
        }
    }

    void specialFilesAreRefused()
    {
        QFETCH(QString, role);
        QFETCH(QString, kind);
        QFETCH(QString, told);
        const bool isTemplate = role == u"template";
        const QString home = path(QStringLiteral("special-%1-%2").arg(isTemplate).arg(kind));
        const QString file
                = home + (isTemplate ? QStringLiteral("/my letter.docx") : QStringLiteral("/Tessaline/letter.txt"));
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(makeUnreadableFile(file, kind, (isTemplate ? 50 : 1) * 1024 * 1024 + 1));
        QElapsedTimer took;
        took.start();

        LetterRequest request = sampleRequest(isTemplate ? file : QString());
        if (!isTemplate)
            request.letterTextFile = file;
        const MadeLetter made = makeLetter(m_office, request);
        const QString window = reportTexts(made).join(u'\n');
        // A hang would show here as a time far past any reading of a file.
        const auto after = [&](const QString &words) {
            return (words + QStringLiteral("\n(after %1 ms)").arg(took.elapsed())).toLocal8Bit();
        };
        QVERIFY2(window.contains(QDir::toNativeSeparators(file)) && window.contains(told), after(window).constData());
        QCOMPARE(made.canShow(), !isTemplate); // the letter text's absence leaves the built-in body

        ProgramOptions options = batchOptions();
        options.environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
        QStringList arguments{QStringLiteral("--batch"), path(QStringLiteral("one.csv")), QStringLiteral("--out"),
                              home + QStringLiteral("/out")};
        if (isTemplate)
            arguments << QStringLiteral("--template") << file;
        const ProgramRun batch = runProgram(QStringLiteral(TESSALINE_PROGRAM), arguments, options);
        QVERIFY2(batch.finished, "the batch hangs");
        QVERIFY2(batch.errors.contains(QDir::toNativeSeparators(file)) && batch.errors.contains(told),
                 after(batch.errors).constData());
        QCOMPARE(batch.exitCode == 0, !isTemplate);
    }

    // Where the system gives the offices no jail (here: bubblewrap named
    // where there is none), the batch says so in one line and goes on;
    // asked to require the jail, it makes nothing.
    void withoutAJail_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("told");
        QTest::newRow("told once, and the letter made") << QStringList() << "" << 0 << "runs without its jail";
        QTest::newRow("--require-jail") << QStringList{"--require-jail"} << "" << 2 << "RequireJail asks for it";
        QTest::newRow("RequireJail=true") << QStringList() << "RequireJail=true" << 2 << "RequireJail asks for it";
    }

    void withoutAJail()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, settings);
        QFETCH(int, exitCode);
        QFETCH(QString, told);
        const QString home = path(QStringLiteral("no-jail-%1").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        writeText(home + QStringLiteral("/config/Marrowfen.conf"), QStringLiteral("[Tessaline]\n") + settings + u'\n');
        ProgramOptions run = batchOptions();
        run.environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        // A computer without bubblewrap: none on the PATH.
        QDir().mkpath(home + QStringLiteral("/bin"));
        run.environment.insert(QStringLiteral("PATH"), home + QStringLiteral("/bin"));
        // The installation's cache of the extensions shared by all users:
        // an office without a jail, root's too, leaves it as it was, or no
        // other user's office could start.
        const QString sharedCache
                = QFileInfo(QStringLiteral("/usr/lib/libreoffice/share/uno_packages/cache")).canonicalFilePath();
        const QDateTime sharedCacheChanged = QFileInfo(sharedCache).lastModified();
        const ProgramRun batch = runProgram(QStringLiteral(TESSALINE_PROGRAM),
                                            QStringList{QStringLiteral("--batch"), path(QStringLiteral("one.csv")),
                                                        QStringLiteral("--out"), home + QStringLiteral("/out")}
                                                    + options,
                                            run);
        QVERIFY(batch.finished);
        QCOMPARE(batch.errors.count(told), 1);
        QCOMPARE(batch.exitCode, exitCode);
        QCOMPARE(QDir(home + QStringLiteral("/out")).entryList(QDir::Files).size(), exitCode == 0 ? 1 : 0);
        QCOMPARE(QFileInfo(sharedCache).lastModified(), sharedCacheChanged);
    }
};

QTEST_MAIN(TestHostileTemplate)
#include "test_hostile_template.moc"
