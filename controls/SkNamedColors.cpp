#include "SkNamedColors.h"

namespace {

struct Plain {
    const char *name;
    int r, g, b;
};

constexpr Plain plain[40] = {
    {"Black", 0, 0, 0},          {"Brown", 153, 51, 0},         {"Olive Green", 51, 51, 0},
    {"Dark Green", 0, 51, 0},    {"Dark Teal", 0, 51, 102},     {"Dark Blue", 0, 0, 128},
    {"Indigo", 51, 51, 153},     {"Gray 80%", 51, 51, 51},      {"Dark Red", 128, 0, 0},
    {"Orange", 255, 102, 0},     {"Dark Yellow", 128, 128, 0},  {"Green", 0, 128, 0},
    {"Teal", 0, 128, 128},       {"Blue", 0, 0, 255},           {"Blue Gray", 102, 102, 153},
    {"Gray 50%", 128, 128, 128}, {"Red", 255, 0, 0},            {"Light Orange", 255, 153, 0},
    {"Lime", 153, 204, 0},       {"Sea Green", 51, 153, 102},   {"Aqua", 51, 153, 153},
    {"Light Blue", 51, 102, 255}, {"Violet", 128, 0, 128},      {"Gray 40%", 153, 153, 153},
    {"Pink", 255, 0, 255},       {"Gold", 255, 204, 0},         {"Yellow", 255, 255, 0},
    {"Bright Green", 0, 255, 0}, {"Turquoise", 0, 255, 255},    {"Sky Blue", 0, 204, 255},
    {"Plum", 153, 51, 102},      {"Gray 25%", 192, 192, 192},   {"Rose", 255, 153, 204},
    {"Tan", 255, 204, 153},      {"Light Yellow", 255, 255, 153}, {"Light Green", 204, 255, 204},
    {"Light Turquoise", 204, 255, 255}, {"Pale Blue", 153, 204, 255}, {"Lavender", 204, 153, 255},
    {"White", 255, 255, 255},
};

// System colour names by index 0..30; index 25 has none.
constexpr const char *systemNames[31] = {
    "Scroll Bar", "Background", "Active Caption", "Inactive Caption", "Menu", "Window", "Window Frame",
    "Menu Text", "Window Text", "Caption Text", "Active Border", "Inactive Border", "App WorkSpace",
    "Highlight", "Highlight Text", "Button Face", "Button Shadow", "Gray Text", "Button Text",
    "Inactive Caption Text", "Button Highlight", "3D Dark Shadow", "3D Light", "Info Text", "Info Background",
    nullptr, "Hot Light", "Gradient Active Caption", "Gradient Inactive Caption", "Menu Highlight", "Menu Bar",
};

} // namespace

const std::vector<TColorData> &NamedColors()
{
    static const std::vector<TColorData> table = [] {
        std::vector<TColorData> t;
        for (const Plain &p : plain)
            t.push_back({RGB(p.r, p.g, p.b), QString::fromLatin1(p.name)});
        for (int i = 0; i < 31; ++i)
            if (systemNames[i])
                t.push_back({TColorFromBits(clSystemColor | static_cast<unsigned>(i)), QString::fromLatin1(systemNames[i])});
        return t;
    }();
    return table;
}
