#include "qt/MainStatusBar.h"

#include <QLabel>

namespace kalivo {

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent), line_(new QLabel(this)) {
    setSizeGripEnabled(true);
    // A long folder name must not widen the window.
    line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line_->setTextFormat(Qt::PlainText);
    addWidget(line_, 1);
}

void MainStatusBar::ShowLine(const QString& text) {
    clearMessage();
    line_->setText(text);
    line_->setToolTip(text);  // the whole text, where the line is cut
}

QString MainStatusBar::Line() const { return line_->text(); }

void MainStatusBar::ShowHint(const QString& hint) {
    if (hint.isEmpty()) {
        clearMessage();
    } else {
        showMessage(hint);
    }
}

}  // namespace kalivo
