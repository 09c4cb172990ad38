#pragma once
// A process-wide single instance, made on first use and deleted by a static destructor at exit.
// T derives from CSingleton<T> and lets CSingleton<T> reach its default constructor.
#include <memory>

namespace kolm {

template <typename T>
class CSingleton {
public:
    CSingleton(const CSingleton&) = delete;
    CSingleton& operator=(const CSingleton&) = delete;
    virtual ~CSingleton() = default;

    static T& Instance()
    {
        static const std::unique_ptr<T> instance(new T());
        return *instance;
    }

protected:
    CSingleton() = default;
};

} // namespace kolm
