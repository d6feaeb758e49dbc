#include "output/pictures/ThumbnailMaker.h"

#include <algorithm>

CThumbnailMaker::~CThumbnailMaker()
{
    Stop();
}

int CThumbnailMaker::DefaultThreadCount()
{
    const int processors = (int)std::thread::hardware_concurrency();
    return std::min(std::max(processors / 2, 1), 4);
}

void CThumbnailMaker::Start(HWND window, UINT message, int threads)
{
    if (!m_workers.empty())
        return;
    m_window = window;
    m_message = message;
    m_stopping = false;
    for (int i = 0; i < std::max(threads, 1); ++i)
        m_workers.emplace_back([this] {
            Work();
        });
}

void CThumbnailMaker::Stop()
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_stopping = true;
        m_waiting.clear();
        ++m_generation;
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
    m_finished.clear();
    m_notified = false;
}

void CThumbnailMaker::Request(int index, LPCTSTR path, CSize maxSize, const PictureLoadOptions& options,
                              COLORREF background)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_waiting.push_back(Job{index, std::string(path != NULL ? path : ""), maxSize, options, background});
    }
    m_wake.notify_one();
}

std::vector<int> CThumbnailMaker::CancelWaiting()
{
    std::vector<int> dropped;
    std::lock_guard<std::mutex> hold(m_lock);
    for (const Job& job : m_waiting)
        dropped.push_back(job.index);
    m_waiting.clear();
    return dropped;
}

void CThumbnailMaker::Reset()
{
    std::vector<ThumbnailResult> stale; // its bitmaps are freed outside the lock
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_waiting.clear();
        ++m_generation;
        stale.swap(m_finished);
    }
}

std::vector<ThumbnailResult> CThumbnailMaker::TakeResults()
{
    std::vector<ThumbnailResult> results;
    std::lock_guard<std::mutex> hold(m_lock);
    results.swap(m_finished);
    m_notified = false;
    return results;
}

BOOL CThumbnailMaker::IsBusy()
{
    std::lock_guard<std::mutex> hold(m_lock);
    return !m_waiting.empty() || m_running > 0 || !m_finished.empty();
}

void CThumbnailMaker::Work()
{
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;)
    {
        m_wake.wait(hold, [this] {
            return m_stopping || !m_waiting.empty();
        });
        if (m_stopping)
            return;
        Job job = m_waiting.front();
        m_waiting.pop_front();
        const unsigned generation = m_generation;
        ++m_running;
        hold.unlock();

        ThumbnailResult result = {job.index, FALSE, ThumbnailBitmap()};
        try
        {
            result.loaded =
                MakeThumbnailBitmap(job.path.c_str(), job.maxSize, job.options, job.background, result.thumbnail);
        }
        catch (...)
        {
            // A picture that cannot be made is shown as unknown.
            result.loaded = FALSE;
        }

        hold.lock();
        --m_running;
        if (generation != m_generation)
            continue; // stale: its bitmap goes with it
        m_finished.push_back(std::move(result));
        if (!m_notified)
        {
            m_notified = true;
            ::PostMessageA(m_window, m_message, 0, 0);
        }
    }
}
