#include "support/LayoutCheck.h"

#include "support/TestCanvas.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace
{
enum class Kind
{
    Container, // group box, tab control: holds other controls
    Text,      // a static that shows its text
    PushButton,
    CheckButton, // check box or radio button: a box beside the text
    Other
};

struct Control
{
    HWND window;
    int id;
    Kind kind;
    DWORD style;
    RECT rect; // in the parent's client coordinates
    std::string text;
};

std::string ClassOf(HWND window)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

Kind KindOf(const std::string& className, DWORD style)
{
    if (lstrcmpiA(className.c_str(), "Button") == 0)
    {
        switch (style & BS_TYPEMASK)
        {
        case BS_GROUPBOX:
            return Kind::Container;
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return Kind::PushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return (style & BS_PUSHLIKE) != 0 ? Kind::PushButton : Kind::CheckButton;
        default:
            return Kind::Other; // owner-drawn: the owner decides
        }
    }
    if (lstrcmpiA(className.c_str(), "SysTabControl32") == 0)
        return Kind::Container;
    if (lstrcmpiA(className.c_str(), "Static") == 0)
    {
        if ((style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS)) != 0)
            return Kind::Other; // shortened on purpose
        switch (style & SS_TYPEMASK)
        {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            return Kind::Text;
        default:
            return Kind::Other;
        }
    }
    return Kind::Other;
}

std::vector<Control> VisibleChildren(HWND parent)
{
    std::vector<Control> controls;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        const DWORD style = (DWORD)::GetWindowLongA(child, GWL_STYLE);
        if ((style & WS_VISIBLE) == 0)
            continue;
        Control control;
        control.window = child;
        control.id = ::GetDlgCtrlID(child);
        control.style = style;
        control.kind = KindOf(ClassOf(child), style);
        ::GetWindowRect(child, &control.rect);
        ::MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&control.rect), 2);
        char text[1024] = "";
        ::GetWindowTextA(child, text, sizeof text);
        control.text = text;
        controls.push_back(control);
    }
    return controls;
}

std::string Name(const Control& control)
{
    std::ostringstream name;
    name << "control " << control.id;
    if (!control.text.empty() && control.kind != Kind::Other)
        name << " \"" << control.text.substr(0, 40) << (control.text.size() > 40 ? "...\"" : "\"");
    return name.str();
}

// A static without text draws nothing that another control could cover.
bool ShowsNothing(const Control& control)
{
    return control.kind == Kind::Text && control.text.empty();
}

bool Exempt(const std::vector<LayoutExemption>& exemptions, int a, int b)
{
    for (const LayoutExemption& e : exemptions)
        if ((e.second == 0 && (e.first == a || e.first == b)) || (e.first == a && e.second == b) ||
            (e.first == b && e.second == a))
            return true;
    return false;
}

HFONT FontOf(const Control& control)
{
    HFONT font = (HFONT)::SendMessageA(control.window, WM_GETFONT, 0, 0);
    return font != NULL ? font : (HFONT)::GetStockObject(SYSTEM_FONT);
}

// The size the text takes in the control's font, wrapped as the control wraps it.
SIZE TextExtent(const Control& control, const RECT& room, bool wraps)
{
    HDC dc = ::GetDC(control.window);
    UINT format = DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
    if (control.kind == Kind::Text && (control.style & SS_NOPREFIX) != 0)
        format |= DT_NOPREFIX;
    RECT rect = {0, 0, room.right - room.left, 0};
    {
        CTestSelection selected(dc, FontOf(control));
        ::DrawTextA(dc, control.text.c_str(), -1, &rect, format);
    }
    ::ReleaseDC(control.window, dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

bool HasInk(const CTestCanvas& canvas, int x, COLORREF background)
{
    for (int y = 0; y < canvas.Height(); y++)
        if (canvas.At(x, y) != background)
            return true;
    return false;
}

// The first column from x on that holds a pixel other than the background
// (blank: a column that holds none); -1 when there is none.
int InkColumn(const CTestCanvas& canvas, int x, COLORREF background, bool blank)
{
    for (; x >= 0 && x < canvas.Width(); x++)
        if (HasInk(canvas, x, background) != blank)
            return x;
    return -1;
}

// How a check box or radio button draws its text on one line, measured from
// its own drawing in a hidden copy wide enough for all of it: the room before
// the text (the box and the gap, which Wine draws wider than SM_CXMENUCHECK
// says) and the width of the text's ink from where the text starts (a text
// may be drawn wider than its measured extent).
struct CheckDrawing
{
    int beforeText;
    int inkWidth;
};

CheckDrawing MeasureCheckDrawing(const Control& control)
{
    RECT client;
    ::GetClientRect(control.window, &client);
    const int width = TextExtent(control, client, false).cx + 100, height = client.bottom;
    HWND copy = height > 0
                    ? ::CreateWindowExA(0, "Button", control.text.c_str(), WS_POPUP | (control.style & BS_TYPEMASK), 0,
                                        0, width, height, NULL, NULL, NULL, NULL)
                    : NULL;
    const CheckDrawing fallback = {::GetSystemMetrics(SM_CXMENUCHECK) + 3, 0};
    if (copy == NULL)
        return fallback;
    ::SendMessageA(copy, WM_SETFONT, (WPARAM)FontOf(control), FALSE);
    CTestCanvas drawn(width, height, CTestCanvas::Dib32);
    drawn.Fill(::GetSysColor(COLOR_BTNFACE));
    ::SendMessageA(copy, WM_PRINTCLIENT, (WPARAM)drawn.Dc(), PRF_CLIENT | PRF_ERASEBKGND);
    ::DestroyWindow(copy);
    // The box, the blank gap after it, then the text.
    const COLORREF background = drawn.At(width - 1, height / 2);
    const int gap = InkColumn(drawn, InkColumn(drawn, 0, background, false), background, true);
    const int textStart = InkColumn(drawn, gap, background, false);
    // The same text drawn plainly from x 0 tells where its ink starts.
    CTestCanvas plain(width, height, CTestCanvas::Dib32);
    plain.Fill(background);
    {
        CTestSelection selected(plain.Dc(), FontOf(control));
        ::SetBkMode(plain.Dc(), TRANSPARENT);
        ::SetTextColor(plain.Dc(), ::GetSysColor(COLOR_BTNTEXT));
        RECT rect = {0, 0, width, height};
        ::DrawTextA(plain.Dc(), control.text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
    }
    const int plainStart = InkColumn(plain, 0, background, false);
    if (textStart < 0 || plainStart < 0)
        return fallback;
    int textEnd = width;
    while (!HasInk(drawn, textEnd - 1, background))
        textEnd--;
    const int beforeText = textStart - plainStart;
    return {beforeText, textEnd - beforeText};
}

// The room the control's text gets: its client rectangle less what the
// control draws beside the text (for a check button, what it draws before it).
RECT TextRoom(const Control& control, int beforeText = 0)
{
    RECT room;
    ::GetClientRect(control.window, &room);
    if (control.kind == Kind::PushButton)
        ::InflateRect(&room, -2, -2);
    else if (control.kind == Kind::CheckButton)
        room.left += beforeText;
    else if (control.kind == Kind::Container)
        ::InflateRect(&room, -8, 0);
    return room;
}

void CheckText(const Control& control, std::vector<std::string>& faults)
{
    if (control.text.empty() || control.kind == Kind::Other)
        return;
    const CheckDrawing drawing = control.kind == Kind::CheckButton ? MeasureCheckDrawing(control) : CheckDrawing{0, 0};
    const RECT room = TextRoom(control, drawing.beforeText);
    const int width = room.right - room.left;
    const int height = room.bottom - room.top;
    const bool wraps = (control.kind == Kind::Text && (control.style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP &&
                        (control.style & SS_TYPEMASK) != SS_SIMPLE) ||
                       (control.style & BS_MULTILINE) != 0;
    SIZE extent = TextExtent(control, room, wraps);
    if (!wraps)
        extent.cx = std::max(extent.cx, (LONG)drawing.inkWidth);
    std::ostringstream fault;
    if (extent.cx > width)
        fault << Name(control) << ": text " << extent.cx << " px wide, room for " << width;
    else if (control.kind != Kind::Container && extent.cy > height)
        fault << Name(control) << ": text " << extent.cy << " px high, room for " << height;
    if (!fault.str().empty())
        faults.push_back(fault.str());
}

// Rectangles that share more than the pixel that rounding dialog units to
// pixels may give two neighbours.
bool Overlap(const RECT& a, const RECT& b)
{
    RECT common;
    return ::IntersectRect(&common, &a, &b) && common.right - common.left > 1 && common.bottom - common.top > 1;
}

// An up-down control laid over the edge of its buddy, as it places itself.
bool UpDownOnBuddy(const Control& a, const Control& b)
{
    const auto attached = [](const Control& upDown, const Control& buddy) {
        return lstrcmpiA(ClassOf(upDown.window).c_str(), UPDOWN_CLASSA) == 0 &&
               (upDown.style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)) != 0 &&
               (HWND)::SendMessageA(upDown.window, UDM_GETBUDDY, 0, 0) == buddy.window;
    };
    return attached(a, b) || attached(b, a);
}

// The strip of a group box's frame where its caption is drawn.
RECT CaptionStrip(const Control& group)
{
    RECT strip = group.rect;
    if (!group.text.empty())
    {
        const SIZE extent = TextExtent(group, TextRoom(group), false);
        strip.bottom = strip.top + extent.cy;
        strip.left += 6;
        strip.right = std::min(strip.right, strip.left + extent.cx + 4);
    }
    else
        strip.bottom = strip.top;
    return strip;
}
bool IsOneLineField(const Control& control)
{
    const std::string name = ClassOf(control.window);
    return (lstrcmpiA(name.c_str(), "Edit") == 0 && (control.style & ES_MULTILINE) == 0) ||
           lstrcmpiA(name.c_str(), "ComboBox") == 0;
}

// A one-line label whose right-hand neighbour is an edit or a combo box is
// centred on it, so that its text stands on the line of the field's text.
void CheckLabelLine(const Control& label, const std::vector<Control>& controls, std::vector<std::string>& faults)
{
    if (label.kind != Kind::Text || label.text.empty())
        return;
    const SIZE line = TextExtent(label, TextRoom(label), false);
    if (label.rect.bottom - label.rect.top >= 2 * line.cy)
        return;
    const Control* neighbour = NULL;
    for (const Control& other : controls)
        if (other.kind != Kind::Container && other.rect.left >= label.rect.right - 1 &&
            other.rect.bottom > label.rect.top && other.rect.top < label.rect.bottom &&
            (neighbour == NULL || other.rect.left < neighbour->rect.left))
            neighbour = &other;
    if (neighbour == NULL || !IsOneLineField(*neighbour))
        return;
    const int labelCentre =
        (label.style & SS_CENTERIMAGE) != 0 ? (label.rect.top + label.rect.bottom) / 2 : label.rect.top + line.cy / 2;
    const int fieldCentre = (neighbour->rect.top + neighbour->rect.bottom) / 2;
    if (std::abs(labelCentre - fieldCentre) > 2)
    {
        std::ostringstream fault;
        fault << Name(label) << " stands " << labelCentre - fieldCentre << " px off the line of " << Name(*neighbour);
        faults.push_back(fault.str());
    }
}
} // namespace

std::vector<std::string> FindLayoutFaults(HWND window, const std::vector<LayoutExemption>& exemptions)
{
    std::vector<std::string> faults;
    RECT client;
    ::GetClientRect(window, &client);
    const std::vector<Control> controls = VisibleChildren(window);
    for (size_t i = 0; i < controls.size(); i++)
    {
        const Control& a = controls[i];
        CheckText(a, faults);
        CheckLabelLine(a, controls, faults);
        RECT inside;
        ::IntersectRect(&inside, &a.rect, &client);
        if (!::IsRectEmpty(&a.rect) && !::EqualRect(&inside, &a.rect))
        {
            std::ostringstream fault;
            fault << Name(a) << " (" << a.rect.left << ", " << a.rect.top << ", " << a.rect.right << ", "
                  << a.rect.bottom << ") is cut by the window's edge at (" << client.right << ", " << client.bottom
                  << ")";
            faults.push_back(fault.str());
        }
        for (size_t j = i + 1; j < controls.size(); j++)
        {
            const Control& b = controls[j];
            if (Exempt(exemptions, a.id, b.id) || UpDownOnBuddy(a, b) || ShowsNothing(a) || ShowsNothing(b))
                continue;
            if (a.kind == Kind::Container || b.kind == Kind::Container)
            {
                const Control& group = a.kind == Kind::Container ? a : b;
                const Control& other = a.kind == Kind::Container ? b : a;
                if (other.kind != Kind::Container && Overlap(CaptionStrip(group), other.rect))
                    faults.push_back(Name(other) + " covers the caption of " + Name(group));
                continue;
            }
            if (Overlap(a.rect, b.rect))
                faults.push_back(Name(a) + " overlaps " + Name(b));
        }
    }
    return faults;
}

namespace
{
// The smallest container around the control; null for the window itself.
const Control* ContainerOf(const Control& control, const std::vector<Control>& controls)
{
    const Control* found = NULL;
    for (const Control& other : controls)
    {
        RECT common;
        if (other.kind == Kind::Container && &other != &control &&
            ::IntersectRect(&common, &other.rect, &control.rect) && ::EqualRect(&common, &control.rect) &&
            (found == NULL || (other.rect.right - other.rect.left) < (found->rect.right - found->rect.left)))
            found = &other;
    }
    return found;
}

// The field that a label names: the nearest control right of it on its line.
const Control* FieldBeside(const Control& label, const std::vector<Control>& controls)
{
    const Control* field = NULL;
    for (const Control& other : controls)
        if (other.kind != Kind::Container && other.kind != Kind::Text && other.rect.left >= label.rect.right - 1 &&
            other.rect.top < label.rect.bottom && other.rect.bottom > label.rect.top &&
            (field == NULL || other.rect.left < field->rect.left))
            field = &other;
    return field;
}
} // namespace

std::vector<std::string> FindColumnFaults(HWND window)
{
    struct Entry
    {
        const Control* container;
        LONG labelLeft;
        const Control* field;
    };
    const std::vector<Control> controls = VisibleChildren(window);
    std::vector<Entry> entries;
    for (const Control& label : controls)
    {
        if (label.kind != Kind::Text || label.text.empty())
            continue;
        if (const Control* field = FieldBeside(label, controls))
            if (field->kind != Kind::PushButton)
                entries.push_back({ContainerOf(label, controls), label.rect.left, field});
    }
    std::vector<std::string> faults;
    for (size_t i = 0; i < entries.size(); i++)
    {
        // The column's first field sets the line that the others keep.
        size_t first = 0;
        while (entries[first].container != entries[i].container || entries[first].labelLeft != entries[i].labelLeft)
            first++;
        const LONG x = entries[first].field->rect.left, own = entries[i].field->rect.left;
        if (std::abs(own - x) > 1)
        {
            std::ostringstream fault;
            fault << Name(*entries[i].field) << " starts at x=" << own << ", the fields of its column at x=" << x;
            faults.push_back(fault.str());
        }
    }
    return faults;
}

std::string JoinLayoutFaults(const std::vector<std::string>& faults)
{
    std::string joined;
    for (const std::string& fault : faults)
        joined += fault + "\n";
    return joined;
}
