// Answers the message boxes a test provokes: records what each one showed, then presses its OK.
#pragma once
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <vector>

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality;
};

class BoxCatcher {
public:
    BoxCatcher();
    const std::vector<SeenBox>& seen() const { return seen_; }

private:
    void look();
    QTimer poll_;
    std::vector<SeenBox> seen_;
};
