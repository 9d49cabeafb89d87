// Linked with the whole core library and nothing else (tests/CMakeLists.txt):
// a rule that calls the platform, Qt or a window leaves a symbol undefined,
// and the build stops on it.
int main() { return 0; }
