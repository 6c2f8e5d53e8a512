#include <cstdio>

int main()
{
    std::fputs("quorix-cli: no command\n", stderr);
    return 2;
}
