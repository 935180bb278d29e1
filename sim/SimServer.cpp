#include "SimServer.h"

#include "SimServerImpl.h"

namespace qlxsim {

SimServer::SimServer(std::unique_ptr<SimServerImpl> impl)
    : impl_(std::move(impl))
{
}

SimServer::~SimServer() = default;

std::unique_ptr<SimServer> SimServer::start(const SimConfig& config, const SimTransports& transports)
{
    return std::unique_ptr<SimServer>(new SimServer(std::make_unique<SimServerImpl>(config, transports)));
}

std::string SimServer::serialPath() const { return impl_->serialPath(); }
std::uint16_t SimServer::udpPort() const { return impl_->udpPort(); }
std::uint16_t SimServer::tcpPort() const { return impl_->tcpPort(); }
std::uint16_t SimServer::reg(std::uint16_t r) const { return impl_->reg(r); }
void SimServer::setReg(std::uint16_t r, std::uint16_t value) { impl_->setReg(r, value); }
void SimServer::setFaults(const std::string& list) { impl_->setFaults(list); }
bool SimServer::setEventCount(int count) { return impl_->setEventCount(count); }
void SimServer::applyPreset(const std::string& names) { impl_->applyPreset(names); }
std::uint64_t SimServer::requestCount() const { return impl_->requestCount(); }
std::uint64_t SimServer::writeCount() const { return impl_->writeCount(); }
bool SimServer::waitForRequests(std::uint64_t n, std::chrono::milliseconds timeout) const
{
    return impl_->waitForRequests(n, timeout);
}
std::uint64_t SimServer::tcpAcceptCount() const { return impl_->tcpAcceptCount(); }
void SimServer::stop() { impl_->stop(); }

} // namespace qlxsim
