#pragma once
// The requests of the notifier (platform/melder.h), each connected to the
// window that serves it. main/ creates every window and is the only folder
// that knows them all, so it wires them; the start calls this once every
// window that serves a request exists.
void FensterVerbinden();
