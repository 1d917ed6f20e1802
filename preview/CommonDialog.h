#pragma once

#include <QString>

class QWidget;

// The file dialog of the preview window, in its save form: a title, a
// filter ("Description (*.ext)|*.ext"), and the file name, which is the
// chosen path after ShowSave, or empty when the user cancelled.
class CommonDialog
{
public:
    virtual ~CommonDialog() = default;

    QString FileName;
    QString DialogTitle;
    QString Filter;

    // Shows the dialog and waits; sets FileName.
    virtual void ShowSave() = 0;
};

// The real dialog: QFileDialog, with its own overwrite question switched
// off (the save command asks its own).
class FileDialogCommonDialog : public CommonDialog
{
public:
    explicit FileDialogCommonDialog(QWidget *owner) : m_owner(owner) { }
    void ShowSave() override;

    // "Word Files (*.doc)|*.doc" as a Qt name filter: "Word Files (*.doc)".
    static QString qtNameFilter(const QString &filter);

private:
    QWidget *m_owner;
};
