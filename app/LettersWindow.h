#pragma once

#include <memory>

#include <QWidget>

class CommonDialog;
class LettersModel;
class LettersRecord;
class Messenger;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// File ▸ Letters Sent…: every letter in the record, newest first, in a
// table that sorts by any column and narrows to the rows holding the
// words searched for. A letter's status is set in its row (a double
// click or F2 opens the list of statuses). "Open Letter" and "Open
// Folder" hand the file or its folder to the desktop; "Export CSV…"
// writes the rows shown to a file.
class LettersWindow : public QWidget
{
    Q_OBJECT
public:
    LettersWindow(LettersRecord &record, Messenger &messenger, QWidget *parent = nullptr);
    ~LettersWindow() override;

    // Reads the record again; a record that cannot be read is said in the
    // window, above an empty table.
    void reload();
    // The file dialog of "Export CSV…"; the real one unless a test sets its own.
    void setCommonDialog(std::unique_ptr<CommonDialog> dialog);

    QLineEdit *search = nullptr;
    QTableView *table = nullptr;
    QLabel *problem = nullptr;
    QPushButton *openLetterButton = nullptr;
    QPushButton *openFolderButton = nullptr;
    QPushButton *exportButton = nullptr;
    LettersModel *model = nullptr;
    QSortFilterProxyModel *shown = nullptr;

    void openLetter();
    void openFolder();
    void exportCsv();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The file of the row in the focus; empty when it has none.
    QString currentFile() const;
    void updateButtons();

    LettersRecord &m_record;
    Messenger &m_messenger;
    std::unique_ptr<CommonDialog> m_dialog;
};
