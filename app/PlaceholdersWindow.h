#pragma once

#include <QDialog>

class QTableWidget;
class QTextBrowser;

// Help > Placeholders: every placeholder and what fills it, as a table a
// keyboard user reaches by Tab and a screen reader reads row by row, then
// how a template's text is matched, as text read line by line; Close (or
// Escape) closes it.
class PlaceholdersWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PlaceholdersWindow(QWidget *parent = nullptr);

    QTableWidget *table = nullptr;
    QTextBrowser *explanation = nullptr;
};
