#pragma once
// Makes thumbnails of picture files on worker threads, so that a window that
// shows many big photographs stays responsive. Requests are made in the order
// given; each finished thumbnail is collected on the window's thread after a
// message posted to the window. Reset drops what is waiting and makes the
// thumbnails still being made stale, so they never come back.
#include "output/pictures/ThumbnailBitmap.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ThumbnailResult
{
    int index;   // the caller's number of the picture
    BOOL loaded; // FALSE: the file holds no picture
    ThumbnailBitmap thumbnail;
};

class CThumbnailMaker
{
public:
    CThumbnailMaker() {}
    ~CThumbnailMaker();

    // Starts the workers (at most 'threads', at least one) when none runs;
    // 'message' is posted to the window whenever results are ready.
    void Start(HWND window, UINT message, int threads);
    // Stops and joins the workers; what is waiting or finished is dropped.
    void Stop();
    BOOL IsStarted() const { return !m_workers.empty(); }

    void Request(int index, LPCTSTR path, CSize maxSize, const PictureLoadOptions& options, COLORREF background);
    // Drops every request not yet started and hands back their indexes.
    std::vector<int> CancelWaiting();
    // Drops every request and makes the ones being made stale.
    void Reset();
    // The finished thumbnails; their bitmaps are now the caller's.
    std::vector<ThumbnailResult> TakeResults();
    // TRUE while requests wait, are being made or are not yet taken.
    BOOL IsBusy();

    // The number of workers for this machine: half its processors, 1 to 4.
    static int DefaultThreadCount();

private:
    struct Job
    {
        int index;
        std::string path;
        CSize maxSize;
        PictureLoadOptions options;
        COLORREF background;
    };

    void Work();

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<Job> m_waiting;
    std::vector<ThumbnailResult> m_finished;
    std::vector<std::thread> m_workers;
    unsigned m_generation = 0;
    int m_running = 0;
    bool m_stopping = false;
    bool m_notified = false;
    HWND m_window = NULL;
    UINT m_message = 0;
};
