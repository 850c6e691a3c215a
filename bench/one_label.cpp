// The floor of a desktop program's start: a Qt program that shows one label. Started by
// window_bench with the monotonic time of its start; prints the nanoseconds from then to the
// label's window painted.

#include "first_paint.h"

#include <QLabel>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const std::int64_t started = std::atoll(argv[1]);
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Kalvora"));
    label.setObjectName(QStringLiteral("label"));
    kalvora::bench::FirstPaint painted(label.objectName());
    label.show();
    if (!painted.wait())
        return 1;
    std::printf("%lld\n", static_cast<long long>(kalvora::bench::monotonicNanoseconds() - started));
    return 0;
}
