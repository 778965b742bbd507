// SPDX-License-Identifier: MIT
#include "lookups/services.h"
#include "shell/application.h"

int main(int argc, char** argv) { qirvo::RunQirvo(argc, argv, qirvo::Services::Production()); }
