// Must not compile: vncore carries no Qt include path.
#include <QString>

int main() {
    return QString().size();
}
