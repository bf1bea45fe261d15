// A TCP relay between a port on loopback and a server's port, for tests of a server
// that goes silent: stopping this process (SIGSTOP) leaves the client's connection
// open with nothing coming back.
//   vekil TARGET_PORT      prints the port it listens on, then relays
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    const int hedef = std::atoi(argv[1]);
    const int dinle = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t uzunluk = sizeof a;
    if (bind(dinle, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || listen(dinle, 16) != 0 ||
        getsockname(dinle, reinterpret_cast<sockaddr *>(&a), &uzunluk) != 0)
        return 1;
    std::printf("%d\n", ntohs(a.sin_port));
    std::fflush(stdout);
    std::vector<pollfd> p{{dinle, POLLIN, 0}};
    std::vector<int> es{-1}; // the other end of each socket
    char tampon[65536];
    for (;;) {
        if (poll(p.data(), p.size(), -1) < 0)
            return 1;
        if (p[0].revents & POLLIN) {
            const int istemci = accept(dinle, nullptr, nullptr);
            const int sunucu = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in s{};
            s.sin_family = AF_INET;
            s.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            s.sin_port = htons(uint16_t(hedef));
            if (connect(sunucu, reinterpret_cast<sockaddr *>(&s), sizeof s) != 0) {
                close(istemci), close(sunucu);
            } else {
                p.push_back({istemci, POLLIN, 0}), es.push_back(sunucu);
                p.push_back({sunucu, POLLIN, 0}), es.push_back(istemci);
            }
        }
        for (size_t i = 1; i < p.size(); ++i) {
            if (p[i].fd < 0 || !(p[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = read(p[i].fd, tampon, sizeof tampon);
            if (n <= 0 || write(es[i], tampon, size_t(n)) != n) {
                // One side closed: close both.
                for (size_t j = 1; j < p.size(); ++j)
                    if (p[j].fd == es[i])
                        p[j].fd = -1;
                close(p[i].fd), close(es[i]);
                p[i].fd = -1;
            }
        }
    }
}
