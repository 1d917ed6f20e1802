#pragma once

#include <QGroupBox>
#include <QPushButton>

// A push button that reports the pointer moving over it, for the hover
// pointer rule, and that Return and keypad Enter click when it has the
// focus, as Space does.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PushButton(const QString &caption, QWidget *parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A group box (frame) that reports the pointer moving over it.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
