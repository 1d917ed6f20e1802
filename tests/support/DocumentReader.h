#pragma once

#include <memory>
#include <vector>

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

class OfficeConnection;

// Reads documents back through a private LibreOffice of its own, so that
// tests check what was really written, not what the program remembers.
class DocumentReader
{
public:
    struct Paragraph
    {
        QString text;
        QString style;
        bool inList = false;
        QString listStyle; // the list style of a list item
        // The text with its formatting marked: bold as <b>..</b>, underlined
        // as <u>..</u>, and each field as {field}.
        QString marked;
        // The pictures that stand as characters of its lines, each's width
        // and height in hundredths of a millimetre.
        std::vector<QSize> pictures;
    };

    struct Document
    {
        QString filterName; // the format the office detected
        std::vector<Paragraph> paragraphs;
        QStringList tableCellTexts; // cells of the body's tables, row by row
        QString firstPageStyle;
        bool firstPageHasOwnStyle = false;
        QString firstPageHeader; // text of the first page's header
        QString primaryHeader;   // text of the following pages' header
        QString primaryFooter;
        QStringList headerFields;        // service names of the primary header's fields
        QStringList headerFieldCommands; // their presentation ("MACROBUTTON ..." etc.)
        QStringList frameTexts;
        QStringList shapeTexts;
        int shapeCount = 0;
        QStringList footnoteTexts;
        int endnoteCount = 0;
        // Page of the first page's style, in twips.
        int pageWidth = 0, pageHeight = 0, leftMargin = 0, rightMargin = 0;
        int bodyTop = 0;             // page edge to the body text
        QStringList paragraphStyles; // every paragraph style defined
        // The built-in document properties.
        QString author, modifiedBy, title;
        QDateTime created, modified;

        // The first page's width and height in whole millimetres: A4 is
        // 210 × 297, US Letter 216 × 279.
        QSize pageSizeMm() const;
        QString bodyText() const;
        // Every text of the letter: body, table cells, headers, footers,
        // frames and shapes, one per line.
        QString everyText() const;
    };

    DocumentReader();
    ~DocumentReader();

    Document read(const QString &path);
    // Writes a copy of a document, in the given export filter's format,
    // that opens only with the password.
    void writeProtectedCopy(const QString &source, const QString &target, const QString &filterName,
                            const QString &password);
    qint64 officeProcessId() const;

private:
    std::unique_ptr<OfficeConnection> m_office;
};

// The size of each page of a PDF file, as pdfinfo tells it, in whole
// points: A4 is 595 × 842, US Letter 612 × 792.
std::vector<QSize> pdfPageSizes(const QString &pdf);

// Processes whose parent is the given process, by their program names;
// an office counts as its starter's child inside its jail too.
std::vector<qint64> childProcesses(qint64 parent, const QString &programName);
bool processIsAlive(qint64 pid);
// Stops a process (SIGSTOP) and returns once every thread of it has
// stopped: the kernel stops the threads one after another, and one still
// running could answer a call made at once.
bool stopProcess(qint64 pid);
