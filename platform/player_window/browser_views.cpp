#include "platform/player_window/browser_views.h"

#include <webkit2/webkit2.h>

#include "platform/player_window/window_rules.h"
#include "platform/text/codepage.h"

namespace platform::player_window {
namespace {

net::Cookie fromSoup(SoupCookie* cookie) {
    net::Cookie out;
    std::string domain = soup_cookie_get_domain(cookie) ? soup_cookie_get_domain(cookie) : "";
    // A leading dot is how a cookie set with a Domain attribute reaches the sub-domains.
    if (!domain.empty() && domain[0] == '.') {
        out.includeSubdomains = true;
        domain.erase(0, 1);
    }
    out.domain = domain;
    out.path = soup_cookie_get_path(cookie) ? soup_cookie_get_path(cookie) : "/";
    out.secure = soup_cookie_get_secure(cookie);
    out.httpOnly = soup_cookie_get_http_only(cookie);
    if (GDateTime* expires = soup_cookie_get_expires(cookie))
        out.expires = g_date_time_to_unix(expires);
    out.name = soup_cookie_get_name(cookie) ? soup_cookie_get_name(cookie) : "";
    out.value = soup_cookie_get_value(cookie) ? soup_cookie_get_value(cookie) : "";
    return out;
}

// The save dialog of the download view. Overwriting is allowed, because the user agreed to it
// in the dialog; without it a failed download would also delete the file already there.
gboolean decideDestination(WebKitDownload* download, gchar* suggestedName, gpointer) {
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        "", nullptr, GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel", GTK_RESPONSE_CANCEL, "_Save",
        GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
    if (suggestedName && *suggestedName)
        gtk_file_chooser_set_current_name(chooser, suggestedName);
    if (const char* downloads = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD))
        gtk_file_chooser_set_current_folder(chooser, downloads);
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* uri = gtk_file_chooser_get_uri(chooser);
        webkit_download_set_allow_overwrite(download, TRUE);
        webkit_download_set_destination(download, uri);
        g_free(uri);
    } else {
        webkit_download_cancel(download);
    }
    gtk_widget_destroy(dialog);
    return TRUE;
}

void onDownloadStarted(WebKitWebContext*, WebKitDownload* download, gpointer) {
    WebKitWebView* view = webkit_download_get_web_view(download);
    if (view && g_object_get_data(G_OBJECT(view), "vt-download-view"))
        g_signal_connect(download, "decide-destination", G_CALLBACK(decideDestination), nullptr);
}

// The download view shows nothing: whatever it is sent to is a file to save.
gboolean decidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                      gpointer) {
    if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE)
        return FALSE;
    webkit_policy_decision_download(decision);
    return TRUE;
}

}  // namespace

BrowserViews::BrowserViews(std::function<void(const net::Cookie&)> cookieSink)
    : cookieSink_(std::move(cookieSink)) {}

GtkWidget* BrowserViews::create(bool downloadView) {
    GtkWidget* view = first_ ? webkit_web_view_new_with_related_view(WEBKIT_WEB_VIEW(first_))
                             : webkit_web_view_new();
    if (!first_) {
        first_ = view;
        WebKitWebContext* context = webkit_web_view_get_context(WEBKIT_WEB_VIEW(view));
        g_signal_connect(context, "download-started", G_CALLBACK(onDownloadStarted), nullptr);
    }
    WebKitSettings* settings = webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view));
    webkit_settings_set_hardware_acceleration_policy(settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    webkit_settings_set_enable_developer_extras(settings, FALSE);
    // The frame page of a video plays it inside the view.
    webkit_settings_set_media_playback_requires_user_gesture(settings, FALSE);
    if (downloadView) {
        g_object_set_data(G_OBJECT(view), "vt-download-view", GINT_TO_POINTER(1));
        g_signal_connect(view, "decide-policy", G_CALLBACK(decidePolicy), nullptr);
    }
    g_signal_connect(view, "load-changed", G_CALLBACK(onLoadChanged), this);
    return view;
}

void BrowserViews::navigate(GtkWidget* view, const std::string& address) {
    const std::string uri = browserUri(address);
    if (!uri.empty())
        webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), uri.c_str());
}

void BrowserViews::onLoadChanged(GtkWidget*, int event, BrowserViews* self) {
    if (event == WEBKIT_LOAD_FINISHED)
        self->shareCookies();
}

void BrowserViews::shareCookies() {
    if (!cookieSink_ || !first_)
        return;
    WebKitWebContext* context = webkit_web_view_get_context(WEBKIT_WEB_VIEW(first_));
    WebKitWebsiteDataManager* data = webkit_web_context_get_website_data_manager(context);
    WebKitCookieManager* manager = webkit_website_data_manager_get_cookie_manager(data);
    webkit_cookie_manager_get_all_cookies(
        manager, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer user) {
            auto* self = static_cast<BrowserViews*>(user);
            GList* cookies = webkit_cookie_manager_get_all_cookies_finish(
                WEBKIT_COOKIE_MANAGER(source), result, nullptr);
            for (GList* item = cookies; item; item = item->next)
                self->cookieSink_(fromSoup(static_cast<SoupCookie*>(item->data)));
            g_list_free_full(cookies, reinterpret_cast<GDestroyNotify>(soup_cookie_free));
        },
        this);
}

}  // namespace platform::player_window
