// The font libraries keep process-wide caches (fontconfig's configuration, Pango's font map)
// that live until the process ends; the leak checker of the sanitizer build is told so here.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libpango-1.0.so\n"
           "leak:libpangoft2-1.0.so\n"
           "leak:libpangocairo-1.0.so\n"
           "leak:libharfbuzz.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libgobject-2.0.so\n";
}
