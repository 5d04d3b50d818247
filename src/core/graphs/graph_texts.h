// The graph viewer's own texts: the titles of the graph kinds, the axis captions some
// kinds set, and the viewer's messages. They are Russian whatever the interface
// language.
#pragma once

#include <string>

namespace velmar {

inline constexpr const char* kFewPointsText = "Мало точек";
inline constexpr const char* kMagnifierName = "  Лупа";
inline constexpr const char* kNoDiagramText = "Одна из диаграмм не существует";
inline constexpr const char* kNoRoomText = "Hет места";  // the first letter is a Latin H
inline constexpr const char* kNoCommonPointsText = "Нет обших точек";

inline constexpr int kGraphKindCount = 14;   // kinds 0..13
inline constexpr int kTimeResponseKind = 1;  // a time run's recorder: step metrics apply
inline constexpr int kStemKind = 10;         // discrete spectrum: points on stems
inline constexpr int kRootsKind = 12;        // roots in the complex plane

// What a graph kind shows above the plot. Kinds 8, 9 and 13 keep the title of the
// previous graph and only change the axis caption; the others set the title and clear
// the caption.
struct GraphHeading {
    std::string title = " Графики ";
    std::string axisCaption;

    void applyKind(int kind);
};

// Kinds whose points are marked by crosses instead of being joined by lines.
bool drawsPointMarks(int kind);

}  // namespace velmar
