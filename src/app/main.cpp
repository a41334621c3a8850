// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "MainSource.h"

int main(int argc, char **argv) { return Main(argc, argv); }
