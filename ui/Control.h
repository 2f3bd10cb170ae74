// A control of the window: it takes every mouse press in its box, so a press never reaches what
// lies beneath, and raises clicked() when the left button is released over it after a left press.
#pragma once
#include <QWidget>

class Control : public QWidget {
    Q_OBJECT
public:
    explicit Control(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};
