#include "app/globals.h"

bool debugMode = false;

WorkerThread *workerThread = nullptr;
std::atomic<int> sendFileRet{-1};
