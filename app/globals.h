#pragma once

#include <atomic>

class WorkerThread;

// Process-wide state shared by the window and the download worker. All of it is
// touched on the GUI thread only, except sendFileRet, which the download worker
// also sets and reads.
extern bool debugMode; // the download worker serves the debug console

extern WorkerThread *workerThread;
extern std::atomic<int> sendFileRet;
