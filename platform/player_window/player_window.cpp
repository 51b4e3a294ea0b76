#include "platform/player_window/player_window.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gtk/gtk_session.h"
#include "platform/player_window/browser_views.h"
#include "platform/player_window/window_rules.h"
#include "platform/text/codepage.h"

namespace platform::player_window {
namespace {

using player::ControlKind;
using player::Event;
using player::Point;
using player::Rect;

// The report list keeps up to this many columns of text per row.
constexpr int kListColumns = 8;

struct CairoPicture {
    std::vector<uint32_t> pixels;
    cairo_surface_t* surface = nullptr;
    int width = 0;
    int height = 0;

    explicit CairoPicture(const common::Picture& picture)
        : pixels(premultipliedArgb(picture)), width(picture.width), height(picture.height) {
        if (!pixels.empty())
            surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()),
                                                          CAIRO_FORMAT_ARGB32, width, height, width * 4);
    }
    ~CairoPicture() {
        if (surface)
            cairo_surface_destroy(surface);
    }
    CairoPicture(const CairoPicture&) = delete;
    CairoPicture& operator=(const CairoPicture&) = delete;
};

struct Control {
    int number = 0;
    ControlKind kind = ControlKind::Image;
    int parent = 0;
    Rect rect;                   // relative to the parent
    GtkWidget* widget = nullptr;  // what is put into the parent
    GtkWidget* inner = nullptr;   // the tree view of a report list, the layout of a container
    std::unique_ptr<CairoPicture> picture;
    GtkListStore* rows = nullptr;
    int columns = 0;
};

class PlayerWindow final : public player::UiPort {
public:
    explicit PlayerWindow(WindowOptions options) : views_(std::move(options.cookieSink)) {}

    ~PlayerWindow() override {
        if (window_)
            gtk_widget_destroy(window_);
    }

    bool createMainWindow(int x, int y, int width, int height) override {
        // A search field keeps its text unselected when the window gives it the keyboard.
        g_object_set(gtk_settings_get_default(), "gtk-entry-select-on-focus", FALSE, nullptr);
        window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_window_set_title(GTK_WINDOW(window_), "VT-90");
        gtk_window_set_decorated(GTK_WINDOW(window_), FALSE);
        gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
        // A layout keeps its own size whatever its children need (a fixed would grow the window
        // to hold the off-screen and oversized views).
        layout_ = gtk_layout_new(nullptr, nullptr);
        width_ = width;
        height_ = height;
        gtk_widget_set_size_request(layout_, width, height);
        gtk_container_add(GTK_CONTAINER(window_), layout_);
        gtk_widget_add_events(layout_, GDK_BUTTON_PRESS_MASK | GDK_POINTER_MOTION_MASK);
        g_signal_connect(layout_, "draw", G_CALLBACK(drawBackground), this);
        g_signal_connect(layout_, "button-press-event", G_CALLBACK(onLayoutPress), this);
        g_signal_connect(layout_, "motion-notify-event", G_CALLBACK(onMotion), this);
        g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
        gtk_window_move(GTK_WINDOW(window_), x, y);
        gtk_widget_show(layout_);
        gtk_widget_realize(window_);
        return true;
    }

    int screenWidth() override {
        GdkScreen* screen = gdk_screen_get_default();
        GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk_screen_get_display(screen));
        if (!monitor)
            monitor = gdk_display_get_monitor(gdk_screen_get_display(screen), 0);
        if (!monitor)
            return 0;
        GdkRectangle area;
        gdk_monitor_get_geometry(monitor, &area);
        return area.width;
    }

    void setBackground(const common::Picture& picture) override {
        background_ = std::make_unique<CairoPicture>(picture);
        if (layout_)
            gtk_widget_queue_draw(layout_);
    }

    void show() override {
        if (!window_)
            return;
        gtk_widget_show(window_);
        gtk_window_move(GTK_WINDOW(window_), windowX(), windowY());
    }

    void minimise() override {
        if (window_)
            gtk_window_iconify(GTK_WINDOW(window_));
    }

    void setClientHeight(int height) override {
        if (!window_)
            return;
        height_ = height;
        gtk_widget_set_size_request(layout_, width_, height);
        gtk_window_resize(GTK_WINDOW(window_), width_, height);
    }

    void beginCaptionDrag() override {
        if (!window_ || lastPressTime_ == 0)
            return;
        gtk_window_begin_move_drag(GTK_WINDOW(window_), 1, lastPressRoot_.x, lastPressRoot_.y, lastPressTime_);
    }

    void createControl(const player::ControlSpec& desc) override {
        if (!window_)
            return;
        auto control = std::make_unique<Control>();
        control->number = desc.number;
        control->kind = desc.kind;
        control->parent = desc.parent;
        control->rect = desc.rect;
        Control& c = *control;
        switch (desc.kind) {
        case ControlKind::Image: {
            c.widget = gtk_drawing_area_new();
            // The area paints on the window's surface and takes no events of its own: presses
            // and movements reach the window, which finds the control under the pointer.
            gtk_widget_set_has_window(c.widget, FALSE);
            g_signal_connect(c.widget, "draw", G_CALLBACK(drawImage), &c);
            break;
        }
        case ControlKind::Label: {
            c.widget = gtk_label_new(nullptr);
            gtk_label_set_line_wrap(GTK_LABEL(c.widget), TRUE);
            gtk_label_set_xalign(GTK_LABEL(c.widget), 0);
            gtk_label_set_yalign(GTK_LABEL(c.widget), 0);
            gtk_label_set_max_width_chars(GTK_LABEL(c.widget), 1);
            style(c.widget, desc.number, labelCss(desc.number));
            gtk_label_set_text(GTK_LABEL(c.widget), cp1251ToUtf8(desc.text).c_str());
            break;
        }
        case ControlKind::Edit: {
            c.widget = gtk_entry_new();
            gtk_entry_set_has_frame(GTK_ENTRY(c.widget), FALSE);
            gtk_entry_set_width_chars(GTK_ENTRY(c.widget), 1);
            style(c.widget, desc.number, editCss(desc.number, desc.textColour, desc.backColour));
            gtk_entry_set_text(GTK_ENTRY(c.widget), cp1251ToUtf8(desc.text).c_str());
            watchPointer(c.widget);
            break;
        }
        case ControlKind::Container: {
            c.widget = gtk_layout_new(nullptr, nullptr);
            c.inner = c.widget;
            // A window cannot show a child 0 px high; one pixel row is the nearest that exists
            // and still lets what the container holds be opened (a drop-down's list).
            if (c.rect.h == 0)
                c.rect.h = 1;
            watchPointer(c.widget);
            break;
        }
        case ControlKind::DropDown: {
            c.widget = gtk_combo_box_text_new();
            style(c.widget, desc.number, dropDownCss(desc.number, desc.textColour, desc.backColour));
            adopt(c.widget);
            g_signal_connect(c.widget, "changed", G_CALLBACK(onDropDownChanged), &c);
            watchPointer(c.widget);
            break;
        }
        case ControlKind::ReportList: {
            std::vector<GType> types(kListColumns, G_TYPE_STRING);
            c.rows = gtk_list_store_newv(kListColumns, types.data());
            c.inner = gtk_tree_view_new_with_model(GTK_TREE_MODEL(c.rows));
            GtkTreeView* view = GTK_TREE_VIEW(c.inner);
            gtk_tree_view_set_grid_lines(view, GTK_TREE_VIEW_GRID_LINES_BOTH);
            gtk_tree_view_set_enable_search(view, FALSE);
            gtk_tree_view_set_fixed_height_mode(view, FALSE);
            gtk_tree_selection_set_mode(gtk_tree_view_get_selection(view), GTK_SELECTION_SINGLE);
            style(c.inner, desc.number, reportListCss(desc.number, desc.textColour, desc.backColour, desc.lineColour));
            c.widget = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(c.widget), GTK_SHADOW_IN);
            gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(c.widget), GTK_POLICY_AUTOMATIC,
                                           GTK_POLICY_AUTOMATIC);
            gtk_container_add(GTK_CONTAINER(c.widget), c.inner);
            gtk_widget_add_events(c.inner, GDK_BUTTON_PRESS_MASK);
            adopt(c.inner);
            g_signal_connect(c.inner, "button-press-event", G_CALLBACK(onListPress), &c);
            watchPointer(c.inner);
            gtk_widget_show(c.inner);
            break;
        }
        case ControlKind::Browser: {
            c.widget = views_.create(desc.number == downloadViewNumber(desc));
            views_.navigate(c.widget, desc.text);
            break;
        }
        }
        gtk_widget_set_size_request(c.widget, c.rect.w, c.rect.h);
        gtk_layout_put(GTK_LAYOUT(parentLayout(c.parent)), c.widget, c.rect.x, c.rect.y);
        updateVisibility(c);
        order_.push_back(desc.number);
        controls_[desc.number] = std::move(control);
    }

    void destroyControl(int number) override {
        auto it = controls_.find(number);
        if (it == controls_.end())
            return;
        gtk_widget_destroy(it->second->widget);
        if (it->second->rows)
            g_object_unref(it->second->rows);
        controls_.erase(it);
        std::erase(order_, number);
    }

    void setTooltip(int number, const std::string& text) override {
        if (Control* c = find(number))
            gtk_widget_set_tooltip_text(c->widget, cp1251ToUtf8(text).c_str());
    }

    void placePicture(int number, const common::Picture& picture) override {
        Control* c = find(number);
        if (!c || c->kind != ControlKind::Image)
            return;
        c->picture = std::make_unique<CairoPicture>(picture);
        if (c->rect.w != picture.width || c->rect.h != picture.height) {
            c->rect.w = picture.width;
            c->rect.h = picture.height;
            gtk_widget_set_size_request(c->widget, c->rect.w, c->rect.h);
            updateVisibility(*c);
        }
        gtk_widget_queue_draw(c->widget);
    }

    void removePicture(int number) override {
        Control* c = find(number);
        if (!c || !c->picture)
            return;
        c->picture.reset();
        gtk_widget_queue_draw(c->widget);
    }

    void moveControl(int number, int x, int y) override {
        Control* c = find(number);
        if (!c)
            return;
        c->rect.x = x;
        c->rect.y = y;
        gtk_layout_move(GTK_LAYOUT(parentLayout(c->parent)), c->widget, x, y);
    }

    Rect controlRect(int number) override {
        Control* c = find(number);
        if (!c)
            return {};
        Rect r = c->rect;
        if (Control* parent = find(c->parent)) {
            r.x += parent->rect.x;
            r.y += parent->rect.y;
        }
        return r;
    }

    Rect controlScreenRect(int number) override {
        Rect r = controlRect(number);
        const Point origin = clientOrigin();
        r.x += origin.x;
        r.y += origin.y;
        return r;
    }

    void setText(int number, const std::string& text) override {
        Control* c = find(number);
        if (!c)
            return;
        const std::string utf8 = cp1251ToUtf8(text);
        switch (c->kind) {
        case ControlKind::Label: gtk_label_set_text(GTK_LABEL(c->widget), utf8.c_str()); break;
        case ControlKind::Edit: gtk_entry_set_text(GTK_ENTRY(c->widget), utf8.c_str()); break;
        case ControlKind::Browser: views_.navigate(c->widget, text); break;
        default: break;
        }
    }

    std::string text(int number) override {
        Control* c = find(number);
        if (!c)
            return {};
        switch (c->kind) {
        case ControlKind::Label: return utf8ToCp1251(gtk_label_get_text(GTK_LABEL(c->widget)));
        case ControlKind::Edit: return utf8ToCp1251(gtk_entry_get_text(GTK_ENTRY(c->widget)));
        case ControlKind::DropDown: {
            gchar* active = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(c->widget));
            std::string out = active ? utf8ToCp1251(active) : std::string();
            g_free(active);
            return out;
        }
        default: return {};
        }
    }

    void navigate(int number, const std::string& address) override {
        Control* c = find(number);
        if (c && c->kind == ControlKind::Browser)
            views_.navigate(c->widget, address);
    }

    void insertColumn(int number, const player::Column& column) override {
        Control* c = find(number);
        if (!c || !c->rows || c->columns >= kListColumns)
            return;
        GtkCellRenderer* cell = gtk_cell_renderer_text_new();
        g_object_set(cell, "ypad", 0, "xpad", 2, nullptr);
        // Every row 14 px: 13 for the text and one for the grid line below it.
        gtk_cell_renderer_set_fixed_size(cell, -1, 13);
        GtkTreeViewColumn* col = gtk_tree_view_column_new();
        gtk_tree_view_column_set_title(col, cp1251ToUtf8(column.title).c_str());
        gtk_tree_view_column_pack_start(col, cell, TRUE);
        gtk_tree_view_column_set_sizing(col, GTK_TREE_VIEW_COLUMN_FIXED);
        gtk_tree_view_column_set_fixed_width(col, column.width);
        gtk_tree_view_column_set_resizable(col, TRUE);
        GtkTreeView* view = GTK_TREE_VIEW(c->inner);
        gtk_tree_view_insert_column(view, col, column.index);
        ++c->columns;
        // Column i shows the i-th text of a row, whatever order the columns were inserted in.
        for (int i = 0; i < c->columns; ++i) {
            GtkTreeViewColumn* shown = gtk_tree_view_get_column(view, i);
            GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(shown));
            gtk_tree_view_column_set_attributes(shown, GTK_CELL_RENDERER(cells->data), "text", i, nullptr);
            g_list_free(cells);
        }
    }

    void listClear(int number) override {
        if (Control* c = find(number); c && c->rows)
            gtk_list_store_clear(c->rows);
    }

    void listAddRow(int number, const std::string& text) override {
        Control* c = find(number);
        if (!c || !c->rows)
            return;
        GtkTreeIter iter;
        gtk_list_store_append(c->rows, &iter);
        for (int i = 0; i < kListColumns; ++i) {
            const std::string cell = cp1251ToUtf8(columnText(text, i));
            gtk_list_store_set(c->rows, &iter, i, cell.c_str(), -1);
        }
    }

    int listRowCount(int number) override {
        Control* c = find(number);
        return c && c->rows ? gtk_tree_model_iter_n_children(GTK_TREE_MODEL(c->rows), nullptr) : 0;
    }

    void listSelect(int number, int row) override {
        Control* c = find(number);
        if (!c || !c->rows)
            return;
        GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(c->inner));
        gtk_tree_selection_unselect_all(selection);
        if (row < 0 || row >= listRowCount(number))
            return;
        GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
        gtk_tree_selection_select_path(selection, path);
        if (gtk_widget_get_realized(c->inner))
            gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(c->inner), path, nullptr, FALSE, 0, 0);
        gtk_tree_path_free(path);
    }

    int listSelection(int number) override {
        Control* c = find(number);
        if (!c || !c->rows)
            return -1;
        GtkTreeModel* model = nullptr;
        GtkTreeIter iter;
        if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(c->inner)), &model, &iter))
            return -1;
        GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
        const int row = gtk_tree_path_get_indices(path)[0];
        gtk_tree_path_free(path);
        return row;
    }

    std::string listRowText(int number, int row) override {
        Control* c = find(number);
        GtkTreeIter iter;
        if (!c || !c->rows || row < 0 ||
            !gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(c->rows), &iter, nullptr, row))
            return {};
        gchar* text = nullptr;
        gtk_tree_model_get(GTK_TREE_MODEL(c->rows), &iter, 0, &text, -1);
        std::string out = text ? utf8ToCp1251(text) : std::string();
        g_free(text);
        return out;
    }

    void dropDownAdd(int number, const std::string& item) override {
        if (Control* c = find(number); c && c->kind == ControlKind::DropDown)
            gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(c->widget), cp1251ToUtf8(item).c_str());
    }

    void dropDownOpen(int number) override {
        Control* c = find(number);
        if (!c || c->kind != ControlKind::DropDown)
            return;
        // The list opens on the press of another control; the release of that press must not
        // reach the open list, which would take it as a click outside and close again.
        for (int i = 0; i < 100 && leftButtonDown(); ++i)
            g_usleep(10000);
        while (gtk_events_pending())
            gtk_main_iteration_do(FALSE);
        gtk_combo_box_popup(GTK_COMBO_BOX(c->widget));
    }

    Point pointerScreen() override {
        GdkDevice* pointer = pointerDevice();
        if (!pointer)
            return {};
        Point p;
        gdk_device_get_position(pointer, nullptr, &p.x, &p.y);
        return p;
    }

    Point pointerClient() override {
        if (!window_ || !gtk_widget_get_realized(window_))
            return {};
        const Point screen = pointerScreen();
        const Point origin = clientOrigin();
        const Point client{screen.x - origin.x, screen.y - origin.y};
        if (client.x < 0 || client.y < 0 || client.x >= width_ || client.y >= height_)
            return {};
        return client;
    }

    bool leftButtonDown() override {
        GdkDevice* pointer = pointerDevice();
        if (!pointer || !window_)
            return false;
        GdkModifierType mask{};
        gdk_window_get_device_position(gdk_get_default_root_window(), pointer, nullptr, nullptr, &mask);
        return (mask & GDK_BUTTON1_MASK) != 0;
    }

    void setHandCursor() override {
        handChosen_ = true;
        if (handShown_ || !layout_)
            return;
        if (!hand_)
            hand_ = gdk_cursor_new_from_name(gtk_widget_get_display(layout_), "pointer");
        gdk_window_set_cursor(gtk_layout_get_bin_window(GTK_LAYOUT(layout_)), hand_);
        handShown_ = true;
    }

    std::string openFileDialog(const std::string& title, const std::string& presetFile,
                               const std::string& filter) override {
        GtkWidget* dialog = gtk_file_chooser_dialog_new(
            cp1251ToUtf8(title).c_str(), window_ ? GTK_WINDOW(window_) : nullptr, GTK_FILE_CHOOSER_ACTION_OPEN,
            "_Cancel", GTK_RESPONSE_CANCEL, "_Open", GTK_RESPONSE_ACCEPT, nullptr);
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
        if (!presetFile.empty())
            gtk_file_chooser_set_filename(chooser, cp1251ToUtf8(presetFile).c_str());
        // "description|pattern|description|pattern..."
        for (size_t at = 0; at < filter.size();) {
            const size_t bar = filter.find('|', at);
            if (bar == std::string::npos)
                break;
            size_t end = filter.find('|', bar + 1);
            if (end == std::string::npos)
                end = filter.size();
            GtkFileFilter* f = gtk_file_filter_new();
            gtk_file_filter_set_name(f, cp1251ToUtf8(filter.substr(at, bar - at)).c_str());
            const std::string patterns = filter.substr(bar + 1, end - bar - 1);
            for (size_t p = 0; p <= patterns.size();) {
                size_t semi = patterns.find(';', p);
                if (semi == std::string::npos)
                    semi = patterns.size();
                if (semi > p)
                    gtk_file_filter_add_pattern(f, cp1251ToUtf8(patterns.substr(p, semi - p)).c_str());
                p = semi + 1;
            }
            gtk_file_chooser_add_filter(chooser, f);
            at = end + 1;
        }
        std::string chosen;
        if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
            gchar* name = gtk_file_chooser_get_filename(chooser);
            if (name)
                chosen = utf8ToCp1251(name);
            g_free(name);
        }
        gtk_widget_destroy(dialog);
        platform::gtk::drainEvents();
        return chosen;
    }

    void startTimer(int periodMs, std::function<void()> handler) override {
        timer_ = std::move(handler);
        period_ = static_cast<int64_t>(periodMs) * 1000;
        deadline_ = g_get_monotonic_time() + period_;
    }

    Event waitEvent() override {
        // The pointer shape the system chooses comes back on every movement that no handler
        // turned into a hand.
        if (lastWasMove_ && !handChosen_ && handShown_) {
            gdk_window_set_cursor(gtk_layout_get_bin_window(GTK_LAYOUT(layout_)), nullptr);
            handShown_ = false;
        }
        lastWasMove_ = false;
        handChosen_ = false;
        for (;;) {
            runPosted();
            if (timer_) {
                const int64_t now = g_get_monotonic_time();
                if (now >= deadline_) {
                    deadline_ = nextDeadline(deadline_, now, period_);
                    timer_();
                    return {player::kTimerEvent, 0, 0, 0};
                }
            }
            if (!events_.empty()) {
                const Event event = events_.front();
                events_.pop_front();
                lastWasMove_ = event.code == player::kPointerMove;
                return event;
            }
            armWakeUp();
            gtk_main_iteration_do(TRUE);
        }
    }

    void sleepMs(int ms) override {
        // The pressed picture is seen before the pause, as the system draws it at once.
        if (window_)
            if (GdkWindow* w = gtk_widget_get_window(window_)) {
                G_GNUC_BEGIN_IGNORE_DEPRECATIONS
                gdk_window_process_updates(w, TRUE);
                G_GNUC_END_IGNORE_DEPRECATIONS
                gdk_display_flush(gdk_window_get_display(w));
            }
        g_usleep(static_cast<gulong>(ms) * 1000);
    }

    void post(std::function<void()> task) override {
        {
            std::lock_guard lock(postedMutex_);
            posted_.push_back(std::move(task));
        }
        g_main_context_wakeup(nullptr);
    }

private:
    static int downloadViewNumber(const player::ControlSpec& desc) {
        // The zero-size view is the one that hands files over for saving.
        return desc.rect.w == 0 && desc.rect.h == 0 ? desc.number : -1;
    }

    Control* find(int number) {
        auto it = controls_.find(number);
        return it == controls_.end() ? nullptr : it->second.get();
    }

    GtkWidget* parentLayout(int parent) {
        Control* c = find(parent);
        return c && c->inner && GTK_IS_LAYOUT(c->inner) ? c->inner : layout_;
    }

    // A widget cannot be seen at 0 x 0: it is hidden until it has a size.
    static void updateVisibility(Control& c) {
        if (c.rect.w > 0 && c.rect.h > 0)
            gtk_widget_show(c.widget);
        else
            gtk_widget_hide(c.widget);
    }

    // A control's style reaches its inner parts (a list's header, a drop-down's button) through
    // one sheet for the whole screen, scoped by the control's widget name.
    void style(GtkWidget* widget, int number, const std::string& css) {
        gtk_widget_set_name(widget, styleName(number).c_str());
        css_ += css;
        if (!cssProvider_) {
            cssProvider_ = gtk_css_provider_new();
            gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(cssProvider_),
                                                      GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        }
        gtk_css_provider_load_from_data(cssProvider_, css_.c_str(), -1, nullptr);
    }

    void watchPointer(GtkWidget* widget) {
        gtk_widget_add_events(widget, GDK_POINTER_MOTION_MASK);
        g_signal_connect(widget, "motion-notify-event", G_CALLBACK(onMotion), this);
    }

    GdkDevice* pointerDevice() {
        GdkDisplay* display = gdk_display_get_default();
        if (!display)
            return nullptr;
        GdkSeat* seat = gdk_display_get_default_seat(display);
        return seat ? gdk_seat_get_pointer(seat) : nullptr;
    }

    Point clientOrigin() {
        Point origin{0, 0};
        if (window_)
            if (GdkWindow* w = gtk_widget_get_window(window_))
                gdk_window_get_origin(w, &origin.x, &origin.y);
        return origin;
    }

    int windowX() {
        int x = 0, y = 0;
        gtk_window_get_position(GTK_WINDOW(window_), &x, &y);
        return x;
    }
    int windowY() {
        int x = 0, y = 0;
        gtk_window_get_position(GTK_WINDOW(window_), &x, &y);
        return y;
    }

    void queue(const Event& event) {
        // Movements between two turns of the loop count once.
        if (event.code == player::kPointerMove && !events_.empty() && events_.back().code == player::kPointerMove)
            return;
        events_.push_back(event);
    }

    void runPosted() {
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard lock(postedMutex_);
            tasks.swap(posted_);
        }
        for (auto& task : tasks)
            task();
    }

    void armWakeUp() {
        if (!timer_ || wakeUp_)
            return;
        const int64_t wait = deadline_ - g_get_monotonic_time();
        const guint ms = wait <= 0 ? 0 : static_cast<guint>((wait + 999) / 1000);
        wakeUp_ = g_timeout_add(ms, [](gpointer self) -> gboolean {
            static_cast<PlayerWindow*>(self)->wakeUp_ = 0;
            return G_SOURCE_REMOVE;
        }, this);
    }

    // The topmost image control of the window under a client point (the last made lies on top).
    Control* imageAt(int x, int y) {
        for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
            Control* c = find(*it);
            if (!c || c->kind != ControlKind::Image || c->parent != 0)
                continue;
            const Rect& r = c->rect;
            if (r.w > 0 && r.h > 0 && x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h)
                return c;
        }
        return nullptr;
    }

    static gboolean drawBackground(GtkWidget* widget, cairo_t* cr, PlayerWindow* self) {
        GdkWindow* bin = gtk_layout_get_bin_window(GTK_LAYOUT(widget));
        if (!gtk_cairo_should_draw_window(cr, bin) || !self->background_ || !self->background_->surface)
            return FALSE;
        cairo_save(cr);
        cairo_pattern_t* tiles = cairo_pattern_create_for_surface(self->background_->surface);
        cairo_pattern_set_extend(tiles, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr, tiles);
        cairo_paint(cr);
        cairo_pattern_destroy(tiles);
        cairo_restore(cr);
        return FALSE;
    }

    static gboolean drawImage(GtkWidget*, cairo_t* cr, Control* c) {
        if (c->picture && c->picture->surface) {
            cairo_set_source_surface(cr, c->picture->surface, 0, 0);
            cairo_paint(cr);
        }
        return FALSE;
    }

    static gboolean onLayoutPress(GtkWidget*, GdkEventButton* press, PlayerWindow* self) {
        if (press->type != GDK_BUTTON_PRESS && press->type != GDK_2BUTTON_PRESS)
            return FALSE;
        const int x = static_cast<int>(press->x), y = static_cast<int>(press->y);
        if (Control* c = self->imageAt(x, y)) {
            if (press->button == 1)
                self->queue({player::kControlEvent, 0, c->number,
                             press->type == GDK_2BUTTON_PRESS ? player::kDoubleClick : player::kLeftClick});
            else if (press->button == 3 && press->type == GDK_BUTTON_PRESS)
                self->queue({player::kControlEvent, 0, c->number, player::kRightClick});
            return TRUE;
        }
        if (press->button == 1 && press->type == GDK_BUTTON_PRESS) {
            self->lastPressRoot_ = {static_cast<int>(press->x_root), static_cast<int>(press->y_root)};
            self->lastPressTime_ = press->time;
            self->queue({player::kLeftButtonDown, 0, 0, 0});
        }
        return TRUE;
    }

    static gboolean onListPress(GtkWidget* widget, GdkEventButton* press, Control* c) {
        auto* self = static_cast<PlayerWindow*>(g_object_get_data(G_OBJECT(widget), "vt-window"));
        if (!self || (press->type != GDK_BUTTON_PRESS && press->type != GDK_2BUTTON_PRESS))
            return FALSE;
        // The row under the pointer is selected by the list itself before the loop asks for it.
        if (press->button == 1)
            self->queue({player::kControlEvent, 0, c->number,
                         press->type == GDK_2BUTTON_PRESS ? player::kDoubleClick : player::kLeftClick});
        else if (press->button == 3 && press->type == GDK_BUTTON_PRESS) {
            GtkTreePath* path = nullptr;
            if (gtk_tree_view_get_path_at_pos(GTK_TREE_VIEW(widget), static_cast<int>(press->x),
                                              static_cast<int>(press->y), &path, nullptr, nullptr, nullptr)) {
                gtk_tree_selection_select_path(gtk_tree_view_get_selection(GTK_TREE_VIEW(widget)), path);
                gtk_tree_path_free(path);
            }
            self->queue({player::kControlEvent, 0, c->number, player::kRightClick});
        }
        return FALSE;
    }

    static void onDropDownChanged(GtkComboBox* combo, Control* c) {
        auto* self = static_cast<PlayerWindow*>(g_object_get_data(G_OBJECT(combo), "vt-window"));
        if (self && gtk_combo_box_get_active(combo) >= 0)
            self->queue({player::kControlEvent, 0, c->number, player::kLeftClick});
    }

    static gboolean onMotion(GtkWidget*, GdkEventMotion*, PlayerWindow* self) {
        self->queue({player::kPointerMove, 0, 0, 0});
        return FALSE;
    }

    static gboolean onDelete(GtkWidget*, GdkEvent*, PlayerWindow* self) {
        // The program ends through its own quit button only.
        self->queue({player::kCloseRequest, 0, 0, 0});
        return TRUE;
    }

    // Lets the handlers of a control's own widget find the window.
    void adopt(GtkWidget* widget) { g_object_set_data(G_OBJECT(widget), "vt-window", this); }

    BrowserViews views_;
    GtkCssProvider* cssProvider_ = nullptr;
    std::string css_;
    GtkWidget* window_ = nullptr;
    GtkWidget* layout_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<CairoPicture> background_;
    std::map<int, std::unique_ptr<Control>> controls_;
    std::vector<int> order_;

    std::deque<Event> events_;
    std::mutex postedMutex_;
    std::deque<std::function<void()>> posted_;

    std::function<void()> timer_;
    int64_t period_ = 0;
    int64_t deadline_ = 0;
    guint wakeUp_ = 0;

    Point lastPressRoot_;
    guint32 lastPressTime_ = 0;

    GdkCursor* hand_ = nullptr;
    bool handShown_ = false;
    bool handChosen_ = false;
    bool lastWasMove_ = false;
};

}  // namespace

std::unique_ptr<player::UiPort> makePlayerWindow(WindowOptions options) {
    if (!gtk::ensureStarted())
        return nullptr;
    return std::make_unique<PlayerWindow>(std::move(options));
}

}  // namespace platform::player_window
