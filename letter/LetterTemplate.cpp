#include "LetterTemplate.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "Failure.h"
#include "Logging.h"
#include "Main.h"
#include "RegularFile.h"
#include "ScratchFiles.h"
#include "Settings.h"
#include "WordAutomation.h"

QByteArray templateBytes(LetterDesign design)
{
    QFile resource(LetterDesigns::resource(design));
    if (!resource.open(QIODevice::ReadOnly))
        throw Failure(QObject::tr("The built-in letter template is missing from the program"));
    return resource.readAll();
}

namespace LetterTemplate {

namespace {
// What the user can do about a template the letter cannot be made from.
QString whatToDo()
{
    return QObject::tr("No letter was made. Put the file right, choose another one with "
                       "Letter > Use My Own Template…, or go back to Letter > Built-in Letter.");
}
} // namespace

Problem::Problem(const QString &path, const QString &whatIsWrong, Kind kind)
    : FileProblem(QObject::tr("Your letter template %1 %2\n\n%3")
                          .arg(QDir::toNativeSeparators(path), whatIsWrong, whatToDo()),
                  kind),
      m_path(path), m_whatIsWrong(whatIsWrong)
{ }

QString storedChoice()
{
    return Settings().templatePath();
}

void storeChoice(const QString &path)
{
    Settings().setTemplatePath(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
}

QString displayName(const QString &path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QString dialogFilter()
{
    const QStringList kinds{
            QObject::tr("Letter templates (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)"),
            QObject::tr("Word documents and templates (*.doc *.docx *.dot *.dotx)"),
            QObject::tr("OpenDocument texts and templates (*.odt *.ott)"),
            QObject::tr("Rich Text Format (*.rtf)"),
    };
    QStringList pairs;
    for (const QString &kind : kinds) {
        const QString patterns = kind.section(u'(', -1).chopped(1);
        pairs << kind << patterns.split(u' ').join(u';');
    }
    return pairs.join(u'|');
}

QByteArray readChosen(const QString &path, LetterDesign design)
{
    if (path.isEmpty())
        return templateBytes(design);
    QByteArray bytes;
    try {
        bytes = RegularFile::read(path, MaximumBytes);
    } catch (const RegularFile::Refusal &refusal) {
        switch (refusal.reason()) {
        case RegularFile::Refusal::Reason::Missing:
            throw Problem(path, QObject::tr("is gone: it may have been moved, renamed or deleted."));
        case RegularFile::Refusal::Reason::NotRegular:
            throw Problem(path, refusal.description() + u'.');
        case RegularFile::Refusal::Reason::TooLarge:
            throw Problem(path, refusal.description() + QObject::tr(": no letter template is that large."));
        case RegularFile::Refusal::Reason::Unreadable:
            break;
        }
        throw Problem(path, QObject::tr("cannot be read: %1.").arg(refusal.description()));
    }
    // The office would take an empty file for a new, empty document.
    if (bytes.isEmpty())
        throw Problem(path, QObject::tr("is an empty file, not a document."));
    return bytes;
}

QString writeCopy(const QByteArray &bytes, const QString &copy)
{
    // A copy an earlier letter left behind may be another template.
    DeleteFileQuietly(copy);
    if (FileExists(copy))
        throw Failure(QObject::tr("Cannot replace the old template copy %1").arg(QDir::toNativeSeparators(copy)));
    SaveBytesToFile(bytes, copy);
    return copy;
}

namespace {
// The picture fields of an RTF text, without their instructions (the
// pictures they name, in `targets`); the fields' last results stay.
QByteArray withoutPictureFields(const QByteArray &rtf, QStringList &targets)
{
    static const QRegularExpression field(QStringLiteral(R"(INCLUDEPICTURE\s+("[^"]*"|\S+)[^}]*)"));
    const QString text = QString::fromLatin1(rtf);
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : field.globalMatch(text)) {
        targets << match.captured(1).remove(u'"');
        result += QStringView(text).mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
    }
    result += QStringView(text).mid(from);
    return result.toLatin1();
}

// Opens again, without its picture fields, an RTF copy the office refused.
std::shared_ptr<word::Document> openWithoutPictureFields(word::Application &office, const QString &copy,
                                                         const QString &chosen, QString *leftOut)
{
    const QByteArray bytes = RegularFile::read(copy, MaximumBytes);
    if (!bytes.startsWith("{\\rtf") || !bytes.contains("INCLUDEPICTURE"))
        return {};
    QStringList targets;
    writeCopy(withoutPictureFields(bytes, targets), copy);
    std::shared_ptr<word::Document> document = office.documents().open(copy, {.readOnly = true});
    qCInfo(lcLetter) << "opened" << chosen << "without its picture fields" << targets;
    if (leftOut)
        *leftOut = QObject::tr("%1 names, for a picture, what is not one (%2): the letter is made without it.")
                           .arg(QDir::toNativeSeparators(chosen), targets.join(QStringLiteral(", ")));
    return document;
}
} // namespace

std::shared_ptr<word::Document> openCopy(word::Application &office, const QString &copy, const QString &chosen,
                                         QString *leftOut)
{
    if (chosen.isEmpty())
        return office.documents().open(copy, {.readOnly = true});
    try {
        return office.documents().open(copy, {.readOnly = true});
    } catch (const word::OpenFailure &failure) {
        if (failure.problem() != word::OpenProblem::PasswordProtected) {
            try {
                if (auto document = openWithoutPictureFields(office, copy, chosen, leftOut))
                    return document;
            } catch (const std::exception &e) {
                qCDebug(lcLetter) << "not opened without its picture fields either:" << e.what();
            }
        }
        if (failure.problem() == word::OpenProblem::PasswordProtected)
            throw Problem(chosen,
                          QObject::tr("is protected by a password. Save a copy of it "
                                      "without the password and choose that one."));
        throw Problem(chosen,
                      QObject::tr("is not a document the word processor can open. Letter "
                                  "templates are Word (.doc, .docx, .dot, .dotx), "
                                  "OpenDocument (.odt, .ott) or RTF files."));
    } catch (const Failure &failure) {
        rethrowAsProblem(chosen, failure, Stage::Open, office);
    }
}

void rethrowAsProblem(const QString &chosen, const Failure &failure, Stage stage, const word::Application &office)
{
    // A file that keeps the office busy past the deadline (or ends it) is
    // the file's fault: the office is lost with it.
    if (chosen.isEmpty() || failure.kind() != Failure::Kind::OfficeLost || dynamic_cast<const Problem *>(&failure))
        throw;
    const int seconds = office.callDeadlineMs() / 1000;
    throw Problem(chosen,
                  stage == Stage::Open
                          ? QObject::tr("is too large or too slow to open: the word processor did not finish "
                                        "reading it within %1 seconds.")
                                    .arg(seconds)
                          : QObject::tr("is too large or too complex to fill in (tables nested very deep, say): "
                                        "the word processor did not finish within %1 seconds.")
                                    .arg(seconds),
                  Failure::Kind::OfficeLost);
}

QString noPlaceholdersMessage(const QString &path)
{
    return QObject::tr("Your letter template %1 holds none of the placeholders, such as "
                       "[YourName] or [CompanyName], so none of your entries are in the letter. "
                       "It was made all the same.\n\nHelp > Placeholders… lists them all.")
            .arg(QDir::toNativeSeparators(path));
}

} // namespace LetterTemplate
