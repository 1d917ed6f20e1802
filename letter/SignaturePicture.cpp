#include "SignaturePicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QObject>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include "Failure.h"
#include "LetterFields.h"
#include "Logging.h"

namespace SignaturePicture {

namespace {

// Whether the bytes are an SVG document: XML whose first element is <svg>.
// Read as XML, not decoded: the office draws it, and no picture plugin of
// ours need know SVG.
bool isSvg(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("svg");
    }
    return false;
}

struct Checked
{
    QByteArray bytes;
    QString format;
    QString problem;
};

Checked check(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    Checked result;
    if (!info.exists()) {
        result.problem = QObject::tr("The signature picture %1 does not exist.").arg(shown);
    } else if (!info.isFile()) {
        result.problem = QObject::tr("The signature picture %1 is not a file.").arg(shown);
    } else if (info.size() > MaxBytes) {
        result.problem = QObject::tr("The signature picture %1 is larger than %2 MB; "
                                     "save it smaller and choose it again.")
                                 .arg(shown)
                                 .arg(MaxBytes / (1024 * 1024));
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qCWarning(lcLetter) << "signature" << path << file.errorString();
            result.problem = QObject::tr("The signature picture %1 cannot be read.").arg(shown);
            return result;
        }
        result.bytes = file.read(MaxBytes + 1);
        result.format = formatOf(result.bytes);
        if (result.format.isEmpty())
            result.problem = QObject::tr("The signature picture %1 is not a PNG, JPEG or SVG picture.").arg(shown);
    }
    return result;
}

} // namespace

QString placeholder()
{
    return u'[' + QString::fromLatin1(SignatureKey) + u']';
}

word::ParagraphEdit unsignedParagraph()
{
    return {placeholder(), std::nullopt, {}};
}

QString formatOf(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    // A picture whose header reads well but whose size cannot be told is
    // broken.
    if ((format == "png" || format == "jpeg") && reader.size().isValid())
        return QString::fromLatin1(format);
    return isSvg(bytes) ? QStringLiteral("svg") : QString();
}

QString problem(const QString &path)
{
    return check(path).problem;
}

QString copyInto(const QString &path, const QString &scratchFolder)
{
    const Checked checked = check(path);
    if (!checked.problem.isEmpty())
        throw FileProblem(checked.problem);
    const QString suffix = checked.format == QLatin1String("jpeg") ? QStringLiteral("jpg") : checked.format;
    // The scratch folder is the user's alone: nobody else can plant a file
    // at the name chosen.
    QTemporaryFile copy(scratchFolder + QStringLiteral("/signature-XXXXXX.") + suffix);
    copy.setAutoRemove(false);
    if (!copy.open() || copy.write(checked.bytes) != checked.bytes.size() || !copy.flush()) {
        qCWarning(lcLetter) << "signature copy" << copy.fileName() << copy.errorString();
        const QString name = copy.fileName();
        copy.close();
        if (!name.isEmpty())
            QFile::remove(name);
        throw Failure(QObject::tr("Cannot copy the signature picture %1 to the temporary folder")
                              .arg(QDir::toNativeSeparators(path)));
    }
    return copy.fileName();
}

} // namespace SignaturePicture
