#pragma once
// A process-wide single instance, made on first use and destroyed by a static destructor at exit.
// T derives from CSingleton<T> and lets CSingleton<T> reach its default constructor.
namespace kolm {

template <typename T>
class CSingleton {
public:
    CSingleton(const CSingleton&) = delete;
    CSingleton& operator=(const CSingleton&) = delete;
    virtual ~CSingleton() = default;

    static T& Instance()
    {
        static T instance;
        return instance;
    }

protected:
    CSingleton() = default;
};

} // namespace kolm
