// Must not compile: the tables layer sits below the query and cannot see it.
#include "query/report.h"

int main() { return 0; }
