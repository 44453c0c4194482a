#include "app/application.h"

int main(int argc, char** argv) {
    return velmora::runVelmora(argc, argv);
}
