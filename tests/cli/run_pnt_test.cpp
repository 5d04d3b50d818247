#include <gtest/gtest.h>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"
#include "core/graphs/point_file.h"
#include "core/model/scheme_file.h"

namespace velmar::testing {
namespace {

TEST_F(Cli, RunWritesEveryCurveAsAPointFile) {
    const fs::path scheme = saveCommutatorScheme(dir), folder = dir / "points";
    const Result r = cli({"run", scheme.string(), "--answer", "Time=1", "--pnt", folder.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out, "");  // no CSV on the terminal when the curves go to files
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    const std::string text = contents(folder / "2-1.pnt");
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Points of  Переходный процесс");
    EXPECT_NE(text.find("Number of points = 98\r\nStep is constant\r\n"), std::string::npos);
    const PointFileContent curve = readPointFile((folder / "2-1.pnt").string());
    ASSERT_EQ(curve.x.size(), 98u);
    EXPECT_EQ(curve.x[1], Real48(0.01L));
    EXPECT_EQ(curve.y[0], Real48(2.0L));
    EXPECT_EQ(curve.y[9], Real48(-2.0L));

    // With --csv the CSV is written as well.
    const fs::path csv = dir / "out.csv";
    const Result v =
        cli({"run", scheme.string(), "--answer", "Time=1", "--pnt", folder.string(), "--csv", csv.string()});
    ASSERT_EQ(v.code, 0) << v.out;
    EXPECT_EQ(contents(csv).substr(0, 25), "element,diagram,index,x,y");
}

TEST_F(Cli, RunReportsAPointFolderItCannotMake) {
    const fs::path scheme = saveCommutatorScheme(dir), blocker = dir / "file";
    std::ofstream(blocker) << "x";
    const Result r = cli({"run", scheme.string(), "--answer", "Time=1", "--pnt", (blocker / "sub").string()});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.out.find("Cannot create"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace velmar::testing
