#include "PageSnapshot.h"

#include <memory>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "Main.h"
#include "ScratchFiles.h"
#include "WordAutomation.h"

namespace {
// Keeps a copy of the clipboard's content and puts it back.
class ClipboardKeeper
{
public:
    void save()
    {
        const QClipboard *clipboard = QGuiApplication::clipboard();
        const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
        if (!data)
            return;
        m_saved = std::make_unique<QMimeData>();
        for (const QString &format : data->formats())
            m_saved->setData(format, data->data(format));
        if (data->hasImage())
            m_saved->setImageData(data->imageData());
        if (data->hasText())
            m_saved->setText(data->text());
    }

    void restore()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return;
        if (m_saved)
            clipboard->setMimeData(m_saved.release());
        else
            clipboard->clear();
    }

private:
    std::unique_ptr<QMimeData> m_saved;
};
template <typename T>
T &required(const std::shared_ptr<T> &object, const QString &what)
{
    if (!object)
        throw Failure(QObject::tr("%1 failed: there is no office instance or letter").arg(what));
    return *object;
}
} // namespace

void SaveDocAsJPG(word::Automation &automation, ClipboardSource &clipboard, Messenger &messenger,
                  const QString &inFile, const QString &temp)
{
    ErrorTrap trap(messenger, QString::fromLatin1(ReportLocation::Form1_SaveDocAsJPG));
    std::shared_ptr<word::Application> office;
    std::shared_ptr<word::Document> document;
    ClipboardKeeper keeper;

    trap.step(116, [&] { office = automation.createApplication(); });
    trap.step(118, [&] { document = required(office, QStringLiteral("Open")).documents().open(inFile); });
    trap.step(120, [&] {
        keeper.save();
        required(document, QStringLiteral("CopyAsPicture")).range()->copyAsPicture();
    });
    trap.step(122, [&] {
        const std::optional<QImage> picture = GetClipboardPicture(clipboard, 0);
        keeper.restore();
        const QString path = ScratchFiles::snapshotPath(temp);
        if (!picture)
            throw Failure(QObject::tr("Cannot write %1: the clipboard holds no picture")
                                  .arg(QDir::toNativeSeparators(path)));
        if (!picture->save(path, "BMP"))
            throw Failure(QObject::tr("Cannot write %1").arg(QDir::toNativeSeparators(path)));
    });
    trap.step(124, [&] {
        required(office, QStringLiteral("ActiveDocument")).activeDocument()->close(word::WdSaveOptions::DoNotSaveChanges);
    });
    trap.step(126, [&] { required(office, QStringLiteral("quit")).quit(); });
}
