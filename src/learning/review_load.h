#pragma once

#include "learning/review_scheduler.h"

#include <vector>

// The reviews that scheduled pairs are expected to ask for on each of the next `days` days
// from `today`, if each comes back when recall falls to the desired retention of `settings`
// and is recalled as often as the weights predict (Good when recalled, Again when not). What a
// retention costs: a higher one brings pairs back sooner and more often.
std::vector<double> ExpectedReviews(const std::vector<Schedule>& pairs, Day today,
                                    const ReviewSettings& settings, int days = 30);

// The mean of ExpectedReviews over the days.
double ExpectedReviewsPerDay(const std::vector<Schedule>& pairs, Day today,
                             const ReviewSettings& settings, int days = 30);
