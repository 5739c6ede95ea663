/* What librnx10 exports: the declarations of its public headers marked RNX10_EXPORT, and nothing
 * else; the library is built with hidden visibility. Usable from C and C++. */
#ifndef RNX10_EXPORT_H
#define RNX10_EXPORT_H

#define RNX10_EXPORT __attribute__((visibility("default")))

#endif
