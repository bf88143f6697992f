#pragma once
// The status bar of the main window: one line saying what the last command
// did or why it could not act. A hint shown while the pointer rests on a menu
// item covers that line only for as long as the pointer stays there.
#include <QStatusBar>

class QLabel;

namespace kalivo {

class MainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void ShowLine(const QString& text);
    QString Line() const;
    // An empty hint gives the line back.
    void ShowHint(const QString& hint);

private:
    QLabel* line_;
};

}  // namespace kalivo
