// The help window `HelpForm`: the help pages of one language in a browser with
// back and forward, the contents as a tree of the pages' titles, and the keyword
// index (the pages' keywords and headings) filtered by what is typed.
#pragma once

#include <QWidget>
#include <vector>

#include "core/shell/help_topics.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace velmar::gui {

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    // The folder of the language's pages; the contents and the index are read anew.
    void setFolder(const QString& folder);
    const QString& folder() const { return folder_; }

    void showTopic(int topic);
    void showContents();
    // The index with the keyword typed in (empty: the whole list).
    void showIndex(const QString& keyword);
    void showHelpOnHelp();

    QTextBrowser* browser() const { return HelpBrowser; }
    QTreeWidget* contents() const { return ContentsTree; }
    QListWidget* keywords() const { return KeywordList; }
    QLineEdit* keywordEdit() const { return KeywordEdit; }
    // The page shown, and its place, as "page.html" or "page.html#anchor".
    QString shownTarget() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openTarget(const HelpTarget& target);
    void filterKeywords(const QString& typed);
    void openKeyword();

    QString folder_;
    std::vector<HelpKeyword> index_;
    QTabWidget* tabs_ = nullptr;
    QTextBrowser* HelpBrowser = nullptr;
    QTreeWidget* ContentsTree = nullptr;
    QListWidget* KeywordList = nullptr;
    QLineEdit* KeywordEdit = nullptr;
};

}  // namespace velmar::gui
