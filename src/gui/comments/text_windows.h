// The two free texts printed with a graph: "Текст над рисунком" above it and "Текст
// под рисунком" below it. Each is a memo with a menu of "&Новый" (clear) and "Шрифт";
// Esc closes the window. The texts stay while the program runs.
#pragma once

#include <QMainWindow>

class QPlainTextEdit;

namespace velmar::gui {

class TTextWindow : public QMainWindow {
    Q_OBJECT
public:
    QPlainTextEdit* memo() const { return Memo1; }
    QString text() const;
    QFont textFont() const;

public slots:
    void NewClick();
    void FontClick();

protected:
    TTextWindow(const QString& name, const QString& caption, bool bothScrollBars, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* Memo1;
};

class TFormTopComments : public TTextWindow {
    Q_OBJECT
public:
    explicit TFormTopComments(QWidget* parent = nullptr);
};

class TFormTextPad : public TTextWindow {
    Q_OBJECT
public:
    explicit TFormTextPad(QWidget* parent = nullptr);
};

}  // namespace velmar::gui
