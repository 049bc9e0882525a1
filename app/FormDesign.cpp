#include "app/FormDesign.h"

#include "widgets/Colours.h"

namespace rk {

namespace {

constexpr FontDesign gothic(double points, bool bold, bool italic) { return {"P Gothic", points, bold, italic}; }
constexpr auto none = std::nullopt;

using K = ControlKind;
using A = Alignment;
} // namespace

const WindowDesign kForm1Design{"RungeKutta", kPaleGreen, 10620, 8595};

// clang-format off
const std::array<ControlDesign, 16> kControlDesigns{{
//   name        kind                 container   left  top   width height caption                 font                        back         fore       tab  shown  border align     fit    role
    {"Command3", K::CommandButton,    "",         8520,  600, 1215,  375, "Help",                 gothic(12, true, false),    none,        none,      14, true,  false, A::Centre, false, "shows how to use the program"},
    {"Text4",    K::MultiLineTextBox, "",         8040, 6120, 2415, 1455, "Text4",                {"P Mincho", 12, false, false}, none,    none,      13, false, false, A::Left,   false, "help text"},
    {"Command2", K::CommandButton,    "",         8640, 7560,  975,  495, "End",                  gothic(12, true, false),    none,        none,      10, true,  false, A::Centre, false, "ends the program"},
    {"List2",    K::ListBox,          "",         7920, 1440, 2655,  735, "",                     gothic(11.25, true, false), none,        none,       9, true,  false, A::Left,   false, "equation to solve"},
    {"List1",    K::ListBox,          "",         8280, 4680, 2055, 1410, "",                     gothic(11.25, false, false),none,        none,       8, true,  false, A::Left,   false, "results: x and y"},
    {"Text3",    K::TextBox,          "",         9120, 3240,  735,  375, "y1",                   gothic(11.25, true, false), none,        none,       7, true,  false, A::Left,   false, "initial ordinate y1"},
    {"Text2",    K::TextBox,          "",         9120, 3600,  735,  330, "x2",                   gothic(11.25, true, false), none,        none,       3, true,  false, A::Left,   false, "final abscissa x2; Enter starts the run"},
    {"Text1",    K::TextBox,          "",         9120, 2880,  735,  360, "x1",                   gothic(12, true, false),    none,        none,       2, true,  false, A::Left,   false, "start abscissa x1"},
    {"Picture1", K::PictureBox,       "",          360,  480, 7575, 7575, "",                     gothic(18, true, true),     kLightCyan,  kDarkGrey,  1, true,  true,  A::Left,   false, "plot: solution in red, slope in blue"},
    {"Label5",   K::Label,            "Picture1", 2160,  120,  240,  285, "y'",                   gothic(14.25, true, true),  kLightCyan,  kSlopeColour,     12, false, false, A::Left,   false, "legend: slope points in blue"},
    {"Label4",   K::Label,            "Picture1", 1680,  120,  165,  285, "y",                    gothic(14.25, true, true),  kLightCyan,  kSolutionColour,     11, false, false, A::Left,   false, "legend: solution points in red"},
    {"Command1", K::CommandButton,    "",         8400, 2160, 1335,  495, "Ready",                gothic(11.25, true, false), none,        none,       0, true,  false, A::Centre, false, "clears the plot, the table and the inputs for the next run"},
    {"Label6",   K::Label,            "",         2160,  120, 3000,  315, "Runge Kutta Method",   gothic(15.75, true, true),  kPaleGreen,  none,      15, true,  false, A::Left,   true,  "heading"},
    {"Label3",   K::Label,            "",         8280, 4320, 2055,  375, " x      y",            gothic(11.25, true, true),  kLightGreen, none,       6, true,  true,  A::Left,   false, "heading of the results table"},
    {"Label2",   K::Label,            "",         8160, 3600,  975,  375, "final =",              gothic(11.25, true, true),  kLightGreen, none,       5, true,  true,  A::Centre, false, "caption of the final abscissa"},
    {"Label1",   K::Label,            "",         8160, 2880,  945,  420, "Initial =",            gothic(12, true, true),     kLightGreen, none,       4, true,  true,  A::Centre, false, "caption of the initial values"},
}};
// clang-format on

} // namespace rk
