// The Path dialog `PathForm` ("Путь"): the folders of the scheme dialogs, of the point
// files and of the test schemes, each with a "Обзор..." button that opens the folder
// dialog `DirForm` on it; "&По умолчанию" fills in the defaults; "&OK" accepts.
#pragma once

#include <QDialog>
#include <functional>

#include "core/shell/configuration.h"

class QLineEdit;

namespace velmar::gui {

class TPathForm : public QDialog {
    Q_OBJECT
public:
    TPathForm(const WorkingFolders& current, WorkingFolders defaults, QWidget* parent = nullptr);

    WorkingFolders folders() const;
    QLineEdit* edit(const char* name) const;

    // The folder dialog: a folder chosen starting from `start`, or empty when cancelled.
    // Tests replace it.
    std::function<QString(QWidget* parent, const QString& start)> chooseFolder;

public slots:
    void DefaultBtnClick();

private:
    void browse(QLineEdit* edit);

    WorkingFolders defaults_;
    QLineEdit* ShmEdit = nullptr;
    QLineEdit* PntEdit = nullptr;
    QLineEdit* TestEdit = nullptr;
};

// The folder dialog `DirForm` ("Задайте рабочую папку").
QString askFolder(QWidget* parent, const QString& start);

}  // namespace velmar::gui
