// qorvix [-i[d]] [-p] [-o<file>] <typelib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/console_prompter.h"
#include "app/generator_app.h"

int main(int argc, char** argv) {
    using namespace qorvix;
    std::vector<std::string> args(argv, argv + argc);
    std::string programName = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "qorvix";
    ConsolePrompter prompter(programName);
    CGeneratorApp::Services services;
    services.prompter = &prompter;
    services.printUsage = [](const std::string& text) { std::printf("%s\n", text.c_str()); };
    CGeneratorApp app(services);
    int status = app.Run(args);
    if (std::fflush(stdout) != 0) return kExitFailed;
    return status;
}
