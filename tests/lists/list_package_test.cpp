// What a datasheet package says of a list: a page per tag with the valve as the list gives
// it, the selection, demand against delivered, the checks; the summary; the project data.
#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "list_support.h"
#include "lists/list_package.h"

#include <gtest/gtest.h>

namespace {

const std::string kSamples = VN_SAMPLES;

std::string Value(const std::vector<PackageField>& fields, const std::string& label) {
    for (const PackageField& field : fields)
        if (field.label == label)
            return field.value;
    return "(none)";
}

} // namespace

TEST(ListPackage, APagePerTagSaysWhatTheListSays) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    TorqueDatabase valves(kSamples + "/ball-valves");
    ListSizer sizer(pneumatic, &valves, {false, 5.5f});
    const Sized s = SizeFile(sizer, kSamples + "/checked-valves.csv");
    ASSERT_TRUE(s.result.ok) << s.result.message;

    // XV-3001: fail close, every check given and met
    const TagPage ok = MakeTagPage(sizer, s.rows[0], true);
    EXPECT_EQ(ok.tag, "XV-3001");
    EXPECT_EQ(Value(ok.valve, "Service"), "Cooling water inlet"); // the list's own column, by its header
    EXPECT_EQ(Value(ok.valve, "Torque"), "45 Nm");
    EXPECT_EQ(Value(ok.conditions, "Sizing pressure"), "5.5 bar");
    EXPECT_EQ(Value(ok.conditions, "Maximum pressure"), "8 bar");
    EXPECT_EQ(ok.actuator, "RPS 120");
    EXPECT_EQ(ok.springSet, "10");
    EXPECT_EQ(ok.action, "Fail Close");
    EXPECT_EQ(ok.weakestMargin, "+22.7 %");
    ASSERT_EQ(ok.torques.size(), 4u);
    EXPECT_EQ(ok.torques[0].point, "Break (air)");
    EXPECT_EQ(ok.torques[0].demand, "54");
    EXPECT_EQ(ok.torques[0].delivered, "66");
    EXPECT_TRUE(ok.torques[0].weakest);
    ASSERT_GE(ok.checks.size(), 3u);
    EXPECT_EQ(ok.checks[0].name, "MAST");
    EXPECT_EQ(ok.checks[0].value, "117 Nm at 8 bar");
    EXPECT_EQ(ok.checks[0].limit, "400 Nm");
    EXPECT_EQ(ok.checks[0].mark, CheckMark::Pass);
    EXPECT_EQ(ok.checks.back().mark, CheckMark::Pass); // 0.56 s against 3 s
    ASSERT_TRUE(ok.chart.has_value());
    EXPECT_EQ(ok.chart->title.rfind("XV-3001: ", 0), 0u);

    // XV-3002 fails its MAST; XV-3004 could not be sized and says why; XV-3006 cannot be timed
    const TagPage failed = MakeTagPage(sizer, s.rows[1], false);
    EXPECT_EQ(failed.checks[0].mark, CheckMark::Fail);
    EXPECT_EQ(failed.action, "Double Acting");
    EXPECT_TRUE(failed.springSet.empty());
    EXPECT_FALSE(failed.chart.has_value());
    const TagPage error = MakeTagPage(sizer, s.rows[3], true);
    EXPECT_FALSE(error.sized);
    EXPECT_EQ(error.statusText, "Pressure max 4 bar is below the sizing pressure 5.5 bar");
    EXPECT_EQ(Value(error.valve, "Pressure max"), "4");
    EXPECT_FALSE(error.chart.has_value());
    const TagPage untimed = MakeTagPage(sizer, s.rows[5], false);
    EXPECT_EQ(untimed.checks.back().mark, CheckMark::NotChecked);
    EXPECT_EQ(untimed.warnings.size(), 1u);

    // the summary accounts for every row, and the package holds a page for each
    PackageInputs inputs;
    inputs.project.engineer = "J. de Vries";
    inputs.listFile = "checked-valves.csv";
    inputs.program = PackageProgram();
    const PackageSource source = MakePackageSource(sizer, s.rows, inputs, false);
    EXPECT_EQ(source.tagCount, 8u);
    ASSERT_EQ(source.cover.lines.size(), 8u);
    EXPECT_EQ(source.cover.lines[1].margin, "40.3");
    EXPECT_EQ(source.cover.lines[3].actuator, "");
    EXPECT_EQ(source.cover.materials.front(), (std::vector<std::string>{"RPS 120", "10", "2"}));
    EXPECT_EQ(Value(source.cover.counts, "check failed"), "3");
    EXPECT_EQ(source.metadata.author, "J. de Vries");
    EXPECT_EQ(source.metadata.title, "Datasheet package: checked-valves.csv");
    EXPECT_EQ(source.tagAt(7).tag, "XV-3008");
}

// An electric package orders actuators only: no spring set to fill in.
TEST(ListPackage, AnElectricBillOfMaterials) {
    TorqueE electric(kSamples + "/varnox-em.qu");
    ListSizer sizer(electric, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque\nA,DA,45\nB,DA,45\nC,FC,45\n");
    const PackageSource source = MakePackageSource(sizer, s.rows, PackageInputs{}, false);
    EXPECT_EQ(source.cover.materialsHeader, (std::vector<std::string>{"Actuator", "Count"}));
    ASSERT_EQ(source.cover.materials.size(), 1u);
    EXPECT_EQ(source.cover.materials[0][1], "2");
    EXPECT_EQ(source.tagAt(2).actuator, "---");
    EXPECT_TRUE(source.tagAt(0).springSet.empty());
}

TEST(ListPackage, ProjectData) {
    ProjectData data;
    std::string error;
    ASSERT_TRUE(ReadProjectText("\xef\xbb\xbf# harbour\nProject = Harbour terminal\n\nCUSTOMER= Port of X \n"
                                "document =D-101\nrevision=\nengineer = J. de Vries = lead\n",
                                "project.txt", data, error))
        << error;
    EXPECT_EQ(data.project, "Harbour terminal");
    EXPECT_EQ(data.customer, "Port of X");
    EXPECT_EQ(data.document, "D-101");
    EXPECT_EQ(data.revision, "");
    EXPECT_EQ(data.engineer, "J. de Vries = lead");
    // a line it cannot read leaves the data as it was, naming the line
    EXPECT_FALSE(ReadProjectText("project = A\nrev B\n", "p.txt", data, error));
    EXPECT_EQ(error, "p.txt: line 2: 'rev B' is not key = value");
    EXPECT_FALSE(ReadProjectText("colour = red\n", "p.txt", data, error));
    EXPECT_NE(error.find("'colour' is not one of project"), std::string::npos);
    EXPECT_EQ(data.project, "Harbour terminal");
    EXPECT_FALSE(ReadProjectFile("/nonexistent/project.txt", data, error));
}
