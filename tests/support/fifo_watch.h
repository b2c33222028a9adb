// A named pipe that tells whether something opened it for reading. A
// watcher keeps trying to open it for writing without waiting, which works
// only while a reader holds it open; that also releases a reader that would
// otherwise wait for a writer for ever, so a test of a hang cannot hang.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace qorvix::test {

class FifoWatch {
  public:
    // Makes the pipe at `path`; Ok() says whether that worked.
    explicit FifoWatch(std::string path) : m_path(std::move(path)) {
        m_ok = mkfifo(m_path.c_str(), 0600) == 0;
    }
    bool Ok() const { return m_ok; }
    const std::string& Path() const { return m_path; }

    // Runs `action`; true when it opened the pipe for reading meanwhile.
    bool OpenedDuring(const std::function<void()>& action) {
        std::atomic<bool> done{false};
        std::atomic<bool> opened{false};
        std::thread watcher([&] {
            while (!done) {
                int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    opened = true;
                    close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        action();
        done = true;
        watcher.join();
        return opened;
    }

  private:
    std::string m_path;
    bool m_ok = false;
};

}  // namespace qorvix::test
