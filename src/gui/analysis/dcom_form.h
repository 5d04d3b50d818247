// The D-decomposition window `DComForm` ("D Composition"): the plane of the two marked
// parameters painted cell by cell in the colour of its number of right roots, the
// legend panel, the range ends and parameter names on the axis labels, and the values
// under the cursor while the left button is held. Escape closes it. Its texts follow
// the interface language (English and Romanian share one set, Russian has its own).
//
// What is painted where, the legend and the read-out are the analysis core's
// (analysis/d_decomposition.h); the window draws them.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>

#include "core/host.h"

namespace velmar::gui {

class TDComForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 400;
    static constexpr int kPictureHeight = 300;

    TDComForm(const DDecompositionMap& map, bool russian, QWidget* owner);

    const QImage& picture() const { return picture_; }
    QLabel* pictureLabel() const { return image_; }
    QLabel* xValueLabel() const { return xValue_; }
    QLabel* yValueLabel() const { return yValue_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintMap();
    void readOutAt(QPoint at);

    const DDecompositionMap& map_;
    QImage picture_;
    QLabel* image_;
    QLabel* xValue_;
    QLabel* yValue_;
    bool tracking_ = false;
};

}  // namespace velmar::gui
