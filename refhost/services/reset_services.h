#pragma once
// Every modelled host service back to its state before the first frame, and
// no keys held: a fresh host for the next test or fuzz input in this process.
namespace refhost {

void reset_services();

}  // namespace refhost
