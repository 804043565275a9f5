#pragma once

// Whether the system refuses this user to open a device node for reading and
// writing. Only a refusal counts: a node that is gone or that is no file at
// all (an emulated interface) is not a permission problem.
bool nodeRefusesAccess(const char* path);
