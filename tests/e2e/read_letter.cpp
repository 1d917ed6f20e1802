// Prints what the office reads from a saved letter: its format on the first
// line, then one line a paragraph of the body, then the texts of its table
// cells, headers and text boxes, each line marked with where it stands.
#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "Failure.h"
#include "OfficeJail.h"
#include "DocumentReader.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: read_letter FILE...\n");
        return 2;
    }
    // The reader's office, jailed like the program's, must see the folders
    // of the letters it reads.
    QStringList folders;
    for (int i = 1; i < argc; ++i)
        folders << QFileInfo(QString::fromLocal8Bit(argv[i])).absolutePath();
    OfficeJail::shareWithOffices(folders);
    try {
        DocumentReader reader;
        for (int i = 1; i < argc; ++i) {
            const DocumentReader::Document letter = reader.read(QString::fromLocal8Bit(argv[i]));
            std::printf("FORMAT: %s\n", qPrintable(letter.filterName));
            for (const auto &p : letter.paragraphs)
                std::printf("%s\n", p.text.toUtf8().constData());
            auto print = [](const char *where, const QStringList &texts) {
                for (const QString &text : texts)
                    if (!text.isEmpty())
                        std::printf("%s: %s\n", where, text.toUtf8().constData());
            };
            print("CELL", letter.tableCellTexts);
            print("HEADER", {letter.firstPageHeader, letter.primaryHeader});
            print("BOX", letter.frameTexts + letter.shapeTexts);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
