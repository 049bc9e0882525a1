#pragma once
// The design of the one window: every control's kind, place, caption, font,
// colours, tab order and first visibility. Data only; Form1 builds from it.

#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rk {

enum class ControlKind { CommandButton, TextBox, MultiLineTextBox, ListBox, PictureBox, Label };
enum class Alignment { Left, Centre };

struct FontDesign {
    std::string_view face; // "P Gothic" or "P Mincho"
    double points;
    bool bold;
    bool italic;
};

// Positions and sizes are in twips (widgets/Twips.h).
// Colours are the toolkit's QRgb (widgets/Colours.h).
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view container; // empty: the window itself
    int left, top, width, height;
    std::string_view caption;
    FontDesign font;
    std::optional<QRgb> backColor;
    std::optional<QRgb> foreColor;
    int tabIndex;
    bool visible;
    bool border;
    Alignment alignment;
    bool autoSize; // a label that grows to show its whole caption
    std::string_view description; // what a screen reader says of its role
};

struct WindowDesign {
    std::string_view caption;
    QRgb backColor;
    int clientWidth, clientHeight; // twips
};

extern const WindowDesign kForm1Design;
// In design order, the order in which the controls are created.
extern const std::array<ControlDesign, 16> kControlDesigns;

} // namespace rk
