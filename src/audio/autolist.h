#pragma once
// kolm::CAutoList<T>: every live instance of T, in the order they were made. A class joins by
// deriving from CAutoList<itself>; its instances register when constructed and leave the list
// when destroyed. The list itself exists only while at least one instance lives: it is made at
// the first registration and deleted when the last instance leaves.
#include <cstddef>
#include <list>
#include <vector>

namespace kolm {

template <typename T>
class CAutoList {
public:
    CAutoList() { Register(); }
    CAutoList(const CAutoList&) = delete;
    CAutoList& operator=(const CAutoList&) = delete;
    virtual ~CAutoList() { Unregister(); }

    // The first live instance, in creation order, for which match(instance) holds; null if none.
    template <typename Match>
    static T* FindFirst(Match match)
    {
        if (!s_instances)
            return nullptr;
        for (CAutoList* entry : *s_instances) {
            T* instance = static_cast<T*>(entry);
            if (match(*instance))
                return instance;
        }
        return nullptr;
    }

    // The oldest live instance; null when none lives.
    static T* Oldest() { return s_instances ? static_cast<T*>(s_instances->front()) : nullptr; }

    // A snapshot of the live instances in creation order.
    static std::vector<T*> Instances()
    {
        std::vector<T*> result;
        if (s_instances)
            for (CAutoList* entry : *s_instances)
                result.push_back(static_cast<T*>(entry));
        return result;
    }

    static std::size_t InstanceCount() { return s_instances ? s_instances->size() : 0; }

private:
    // The list holds the base part: during the base constructor the object is not a T yet, so
    // the cast to T waits until someone reads the list.
    void Register()
    {
        if (!s_instances)
            s_instances = new std::list<CAutoList*>;
        s_instances->push_back(this);
    }

    void Unregister()
    {
        for (auto it = s_instances->begin(); it != s_instances->end(); ++it) {
            if (*it == this) {
                s_instances->erase(it);
                break;
            }
        }
        if (s_instances->empty()) {
            delete s_instances;
            s_instances = nullptr;
        }
    }

    static inline std::list<CAutoList*>* s_instances = nullptr;
};

} // namespace kolm
