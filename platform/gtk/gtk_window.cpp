// Windows with numbered controls on GTK 3: a GtkFixed holds every control at its client
// position and size; the controls are kept small enough for the system's 15- and 20-pixel rows.

#include <gtk/gtk.h>

#include <algorithm>
#include <deque>
#include <string>
#include <map>
#include <mutex>

#include "platform/gtk/gtk_session.h"
#include "platform/native.h"
#include "platform/text/codepage.h"

namespace platform {
namespace {

constexpr const char* kCompactStyle = R"css(
.vt-window { font-family: "Liberation Sans", Arial, "Nimbus Sans", "DejaVu Sans Condensed", sans-serif; font-size: 8pt; }
.vt-window entry, .vt-window button, .vt-window progressbar, .vt-window progressbar trough,
.vt-window progressbar progress {
  min-height: 0;
  min-width: 0;
}
.vt-window entry { padding: 0 3px; }
.vt-window button { padding: 0 2px; }
.vt-window progressbar trough, .vt-window progressbar progress { min-height: 13px; }
)css";

void installStyle() {
    static const bool installed = [] {
        GtkCssProvider* css = gtk_css_provider_new();
        gtk_css_provider_load_from_data(css, kCompactStyle, -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(css);
        return true;
    }();
    (void)installed;
}

std::string shown(const std::string& text) { return cp1251ToUtf8(displayLineBreaks(text)); }

class GtkNumberedWindow final : public Window {
public:
    explicit GtkNumberedWindow(const WindowLayout& layout) {
        installStyle();
        window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_style_context_add_class(gtk_widget_get_style_context(window_), "vt-window");
        gtk_window_set_title(GTK_WINDOW(window_), cp1251ToUtf8(layout.caption).c_str());
        gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
        gtk_window_set_deletable(GTK_WINDOW(window_), layout.closeBox ? TRUE : FALSE);
        if (!layout.minimiseBox)
            gtk_window_set_type_hint(GTK_WINDOW(window_), GDK_WINDOW_TYPE_HINT_DIALOG);
        fixed_ = gtk_fixed_new();
        gtk_widget_set_size_request(fixed_, layout.clientWidth, layout.clientHeight);
        gtk_container_add(GTK_CONTAINER(window_), fixed_);
        if (layout.centred)
            gtk_window_set_position(GTK_WINDOW(window_), GTK_WIN_POS_CENTER);
        else
            gtk_window_move(GTK_WINDOW(window_), layout.x, layout.y);
        g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
    }

    ~GtkNumberedWindow() override {
        gtk::runOnUiThread([&] { gtk_widget_destroy(window_); });
    }

    void addGroupBox(int id, Rect r) override {
        gtk::runOnUiThread([&] {
            GtkWidget* frame = gtk_frame_new(nullptr);
            gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_ETCHED_IN);
            place(id, frame, r);
        });
    }

    void addText(int id, Rect r, const std::string& text, const Font* font) override {
        gtk::runOnUiThread([&] {
            GtkWidget* label = gtk_label_new(shown(text).c_str());
            gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
            gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
            gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
            // Without this a wrapped label asks for the width of its longest line.
            gtk_label_set_max_width_chars(GTK_LABEL(label), 1);
            if (font) {
                PangoAttrList* attrs = pango_attr_list_new();
                pango_attr_list_insert(attrs, pango_attr_family_new(font->face.c_str()));
                pango_attr_list_insert(attrs, pango_attr_size_new(font->points * PANGO_SCALE));
                if (font->bold)
                    pango_attr_list_insert(attrs, pango_attr_weight_new(PANGO_WEIGHT_BOLD));
                gtk_label_set_attributes(GTK_LABEL(label), attrs);
                pango_attr_list_unref(attrs);
            }
            // Texts keep to their rectangle, as static controls clip theirs.
            GtkWidget* clip = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(clip), GTK_POLICY_EXTERNAL, GTK_POLICY_EXTERNAL);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(clip), GTK_SHADOW_NONE);
            GtkWidget* viewport = gtk_viewport_new(nullptr, nullptr);
            gtk_viewport_set_shadow_type(GTK_VIEWPORT(viewport), GTK_SHADOW_NONE);
            gtk_container_add(GTK_CONTAINER(viewport), label);
            gtk_container_add(GTK_CONTAINER(clip), viewport);
            gtk_widget_set_size_request(label, r.width, -1);
            place(id, clip, r, label);
        });
    }

    void addEdit(int id, Rect r) override {
        gtk::runOnUiThread([&] {
            GtkWidget* entry = gtk_entry_new();
            gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
            place(id, entry, r);
        });
    }

    void addButton(int id, Rect r, const std::string& text) override {
        gtk::runOnUiThread([&] {
            GtkWidget* button = gtk_button_new_with_label(shown(text).c_str());
            g_object_set_data(G_OBJECT(button), "vt-id", GINT_TO_POINTER(id));
            g_signal_connect(button, "clicked", G_CALLBACK(onClicked), this);
            place(id, button, r);
        });
    }

    void addProgressBar(int id, Rect r) override {
        gtk::runOnUiThread([&] { place(id, gtk_progress_bar_new(), r); });
    }

    void addPicture(int id, int x, int y, const common::Picture& picture) override {
        gtk::runOnUiThread([&] {
            GtkWidget* image = gtk_image_new();
            if (!picture.empty()) {
                GBytes* bytes = g_bytes_new(picture.rgba.data(), picture.rgba.size());
                GdkPixbuf* pixbuf = gdk_pixbuf_new_from_bytes(bytes, GDK_COLORSPACE_RGB, TRUE, 8, picture.width,
                                                              picture.height, picture.width * 4);
                gtk_image_set_from_pixbuf(GTK_IMAGE(image), pixbuf);
                g_object_unref(pixbuf);
                g_bytes_unref(bytes);
            }
            place(id, image, Rect{x, y, picture.width, picture.height});
        });
    }

    void destroyControl(int id) override {
        gtk::runOnUiThread([&] {
            auto it = controls_.find(id);
            if (it == controls_.end())
                return;
            gtk_widget_destroy(it->second.outer);
            controls_.erase(it);
        });
    }

    void setText(int id, const std::string& text) override {
        gtk::runOnUiThread([&] {
            GtkWidget* w = control(id);
            if (!w)
                return;
            if (GTK_IS_ENTRY(w))
                gtk_entry_set_text(GTK_ENTRY(w), cp1251ToUtf8(text).c_str());
            else if (GTK_IS_LABEL(w))
                gtk_label_set_text(GTK_LABEL(w), shown(text).c_str());
            else if (GTK_IS_BUTTON(w))
                gtk_button_set_label(GTK_BUTTON(w), shown(text).c_str());
        });
    }

    std::string text(int id) override {
        std::string out;
        gtk::runOnUiThread([&] {
            GtkWidget* w = control(id);
            if (w && GTK_IS_ENTRY(w))
                out = utf8ToCp1251(gtk_entry_get_text(GTK_ENTRY(w)));
            else if (w && GTK_IS_LABEL(w))
                out = utf8ToCp1251(gtk_label_get_text(GTK_LABEL(w)));
        });
        return out;
    }

    void setProgress(int id, int position) override {
        gtk::runOnUiThread([&] {
            GtkWidget* w = control(id);
            if (w && GTK_IS_PROGRESS_BAR(w))
                gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(w), std::clamp(position, 0, 100) / 100.0);
        });
    }

    void setEnabled(int id, bool enabled) override {
        gtk::runOnUiThread([&] {
            if (auto it = controls_.find(id); it != controls_.end())
                gtk_widget_set_sensitive(it->second.outer, enabled ? TRUE : FALSE);
        });
    }

    void show() override {
        gtk::runOnUiThread([&] { gtk_widget_show_all(window_); });
    }

    WindowEvent nextEvent() override {
        for (;;) {
            {
                std::lock_guard lock(mutex_);
                if (quit_)
                    return {WindowEventKind::Quit, 0};
                if (!events_.empty()) {
                    WindowEvent e = events_.front();
                    events_.pop_front();
                    return e;
                }
            }
            gtk_main_iteration_do(TRUE);
        }
    }

    void quit() override {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        g_main_context_wakeup(nullptr);
    }

private:
    struct Control {
        GtkWidget* outer;  // what sits in the window
        GtkWidget* inner;  // what shows the text or state
    };

    void place(int id, GtkWidget* widget, Rect r, GtkWidget* inner = nullptr) {
        if (auto it = controls_.find(id); it != controls_.end())
            gtk_widget_destroy(it->second.outer);
        gtk_widget_set_size_request(widget, r.width, r.height);
        gtk_widget_set_name(widget, ("control-" + std::to_string(id)).c_str());
        gtk_fixed_put(GTK_FIXED(fixed_), widget, r.x, r.y);
        controls_[id] = Control{widget, inner ? inner : widget};
        if (gtk_widget_get_visible(window_))
            gtk_widget_show_all(widget);
    }

    GtkWidget* control(int id) {
        auto it = controls_.find(id);
        return it == controls_.end() ? nullptr : it->second.inner;
    }

    void push(WindowEvent e) {
        std::lock_guard lock(mutex_);
        events_.push_back(e);
    }

    static void onClicked(GtkButton* button, gpointer self) {
        static_cast<GtkNumberedWindow*>(self)->push(
            {WindowEventKind::Button, GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "vt-id"))});
    }

    static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer self) {
        static_cast<GtkNumberedWindow*>(self)->push({WindowEventKind::Close, 0});
        return TRUE;  // the program decides whether the window goes
    }

    GtkWidget* window_ = nullptr;
    GtkWidget* fixed_ = nullptr;
    std::map<int, Control> controls_;
    std::mutex mutex_;
    std::deque<WindowEvent> events_;
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<Window> nativeWindow(const WindowLayout& layout) {
    if (!gtk::ensureStarted())
        return nullptr;
    return std::make_unique<GtkNumberedWindow>(layout);
}

}  // namespace platform
