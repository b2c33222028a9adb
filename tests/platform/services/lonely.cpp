// A reserved-word service that brought no run-time module with it.
extern "C" __attribute__((visibility("default"))) void vexalon(void) {}
extern "C" __attribute__((visibility("default"))) int vexamir(const char*, int) {
    return 1;
}
